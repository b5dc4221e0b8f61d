# The shell call that opens web addresses (its handler replaced: nothing opens).
kavro_test(platform_shell_test LABEL unit MAIN gui
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/shell_test.cpp
  LINKS kavro_platform)
