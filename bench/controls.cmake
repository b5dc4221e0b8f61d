# Benchmarks of the skinned controls, each against its baseline. Each area of
# controls adds its benchmarks as bench_controls_<area>.cpp in this folder.
if(TARGET kavro_skin_controls AND NOT KAVRO_WINDOWLESS)
  file(GLOB controls_benches CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/bench_controls_*.cpp)
  list(SORT controls_benches)
  if(controls_benches)
    kavro_program(bench_controls SOURCES ${controls_benches} ${CMAKE_CURRENT_LIST_DIR}/qt_bench_main.cpp
      LINKS kavro_skin_controls kavro_skin_frame kavro_resources benchmark::benchmark Qt6::Widgets Qt6::Test)
  endif()
endif()
