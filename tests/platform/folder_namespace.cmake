# The folder namespace of the folder dialog, on folders the test makes.
kavro_test(platform_folder_namespace_test LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/folder_namespace_test.cpp
  LINKS kavro_platform)
