# skintool preview as a program: a small coordinate-coded skin packed and
# previewed, the written pictures checked pixel by pixel.
kavro_test(preview_test LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/preview_test.cpp
  LINKS kavro_skin_data kavro_ui_graphics)
target_compile_definitions(preview_test PRIVATE SKINTOOL_PATH="$<TARGET_FILE:skintool>")
add_dependencies(preview_test skintool)
