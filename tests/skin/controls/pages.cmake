# The page control: its layout arithmetic as tables, and the control on
# shown forms with a built-in skin (looks, hot tracking, focus, keys, the
# up-down, no pages and many pages).
kavro_test(skin_pages_layout_test LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/pages_layout_test.cpp
  LINKS kavro_skin_controls)
kavro_test(skin_pages_control_test LABEL widget
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/pages_control_test.cpp
  LINKS kavro_skin_controls kavro_skin_frame kavro_resources Qt6::Test)
