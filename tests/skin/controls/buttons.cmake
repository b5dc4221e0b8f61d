# Tests of the skinned buttons: their placement and state arithmetic as
# tables, and the buttons on real forms under the offscreen platform.
kavro_test(skin_buttons_layout_test LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/buttons_layout_test.cpp
  LINKS kavro_skin_controls)

kavro_test(skin_buttons_widget_test LABEL widget
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/buttons_widget_test.cpp
  LINKS kavro_skin_controls kavro_skin_frame kavro_resources Qt6::Test)
