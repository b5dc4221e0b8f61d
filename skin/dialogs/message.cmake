# The skinned message dialog; its icons come from the program's pictures.
target_sources(kavro_skin_dialogs PRIVATE ${CMAKE_CURRENT_LIST_DIR}/skin_message.cpp)
target_link_libraries(kavro_skin_dialogs PUBLIC kavro_resources)
