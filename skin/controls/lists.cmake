# The scroll bar, the list boxes, the pop-up list and the combo box.
target_sources(kavro_skin_controls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/scroll_bar_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_scroll_bar.cpp)
target_sources(kavro_skin_controls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/list_box_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_list_box.cpp)
target_sources(kavro_skin_controls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/combo_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_combo_box.cpp)
