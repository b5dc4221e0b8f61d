# Fuzz target of skin/draw: mask scanning and frame regions from random
# masks and geometry.
kavro_fuzz(fuzz_mask_region SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_mask_region.cpp
  LINKS kavro_skin_draw)
