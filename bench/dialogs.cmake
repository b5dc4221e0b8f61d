# Benchmarks of the skinned dialogs, each against its baseline in the same run.
if(TARGET kavro_skin_dialogs AND NOT KAVRO_WINDOWLESS)
  kavro_program(bench_dialogs SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_dialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_bench_main.cpp
    LINKS kavro_skin_dialogs kavro_resources benchmark::benchmark Qt6::Widgets)
endif()
