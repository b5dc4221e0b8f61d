# The folder dialog on folders made in the test.
kavro_test(skin_select_directory_test LABEL widget
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/select_directory_test.cpp
  LINKS kavro_skin_dialogs Qt6::Test)
