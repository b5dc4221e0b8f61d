# The page control, its pages and the up-down that scrolls its tabs.
target_sources(kavro_skin_controls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/tab_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_up_down.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_page_control.cpp)
