# The skinned message dialog on real windows.
kavro_test(skin_message_test LABEL widget
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin_message_test.cpp
  LINKS kavro_skin_dialogs Qt6::Test)
target_include_directories(skin_message_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/skin/controls)
