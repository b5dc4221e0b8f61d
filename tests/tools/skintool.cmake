# skintool as a program: pack, unpack and info on small skin folders and on
# broken packed files, checking exit codes, messages and written files.
kavro_test(skintool_test LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/skintool_test.cpp
  LINKS kavro_skin_data)
target_include_directories(skintool_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/skin/data)
target_compile_definitions(skintool_test PRIVATE SKINTOOL_PATH="$<TARGET_FILE:skintool>")
add_dependencies(skintool_test skintool)
