# Tests of the panels and containers: the layout arithmetic as tables, and
# the controls on shown forms under the offscreen platform.
kavro_test(skin_panels_layout_test LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/panels_layout_test.cpp
  LINKS kavro_skin_controls)

kavro_test(skin_panels_test LABEL widget
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/panels_widget_test.cpp ${CMAKE_CURRENT_LIST_DIR}/panels_tool_bar_test.cpp
  LINKS kavro_skin_controls kavro_resources Qt6::Test)
