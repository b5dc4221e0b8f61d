kavro_fuzz(fuzz_bmp SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_bmp.cpp LINKS kavro_ui_graphics
  SEEDS ${CMAKE_CURRENT_LIST_DIR}/seeds/bmp)
