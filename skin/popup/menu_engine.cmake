# The menu engine, its popup windows and the popup-menu component.
target_sources(kavro_skin_popup PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/skin_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/popup_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_popup_menu.cpp)
