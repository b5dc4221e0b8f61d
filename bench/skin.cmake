# Loading a skin package through ReadPackage, against zlib inflate of the
# same compressed bytes alone, in the same run.
kavro_program(bench_skin SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_skin.cpp
  LINKS kavro_skin_data benchmark::benchmark)
