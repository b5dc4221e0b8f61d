# Drawing of the popup-menu levels and their items.
target_sources(kavro_skin_popup PRIVATE ${CMAKE_CURRENT_LIST_DIR}/menu_paint.cpp)
