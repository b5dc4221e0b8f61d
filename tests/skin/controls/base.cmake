# The skinned control bases on real forms, drawing from skins made in the test.
kavro_test(skin_control_base_test LABEL widget
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin_control_base_test.cpp
  LINKS kavro_skin_controls kavro_resources Qt6::Test)
