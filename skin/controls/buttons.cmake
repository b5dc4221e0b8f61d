# The skinned buttons: the push button, the menu button and the speed button.
target_sources(kavro_skin_controls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/button_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_button_layer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_speed_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_menu_button.cpp)
