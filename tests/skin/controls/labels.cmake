# The labels, the gauge and the link picture: their arithmetic as tables
# without a window, and the controls on shown forms.
kavro_test(skin_labels_layout_test LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/labels_layout_test.cpp
  LINKS kavro_skin_controls)
kavro_test(skin_labels_test LABEL widget
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/labels_controls_test.cpp
  LINKS kavro_skin_controls kavro_resources Qt6::Test)
