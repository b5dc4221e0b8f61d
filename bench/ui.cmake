# Benchmarks of the window framework: a message round trip through a
# control's procedure with one hook, against a plain virtual call.
if(TARGET kavro_ui)
  kavro_program(bench_ui SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_ui.cpp ${CMAKE_CURRENT_LIST_DIR}/qt_bench_main.cpp
    LINKS kavro_ui benchmark::benchmark)
endif()
