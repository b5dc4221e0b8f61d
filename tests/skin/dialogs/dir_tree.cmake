# The folder tree on folders made in the test.
kavro_test(skin_dir_tree_view_test LABEL widget
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/dir_tree_view_test.cpp
  LINKS kavro_skin_dialogs Qt6::Test)
target_include_directories(skin_dir_tree_view_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/skin/controls)
