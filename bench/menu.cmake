# Benchmarks of the skinned menu engine, each against its baseline.
if(TARGET kavro_skin_popup AND NOT KAVRO_WINDOWLESS)
  kavro_program(bench_menu SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_menu.cpp ${CMAKE_CURRENT_LIST_DIR}/qt_bench_main.cpp
    LINKS kavro_skin_popup benchmark::benchmark Qt6::Widgets)
endif()
