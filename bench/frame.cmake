# Benchmarks of the skinned window frame, each against its baseline.
if(NOT KAVRO_WINDOWLESS)
  kavro_program(bench_frame SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_frame.cpp
    LINKS kavro_skin_frame kavro_resources benchmark::benchmark Qt6::Widgets Qt6::Test)
endif()
