# The edit boxes: layout arithmetic as tables, and the skinned edit and the
# password box on real forms.
kavro_test(edits_layout_test LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/edits_layout_test.cpp
  LINKS kavro_skin_controls)
kavro_test(edits_widget_test LABEL widget
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/edits_widget_test.cpp
  LINKS kavro_skin_controls kavro_resources Qt6::Test)
