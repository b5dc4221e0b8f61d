# Benchmarks of skin/draw, each against a baseline measured in the same run.
# Qt's nine-part pixmap drawing needs Qt Widgets; without it (the window-free
# build) that one baseline is left out.
set(bench_draw_links kavro_skin_draw benchmark::benchmark)
if(TARGET Qt6::Widgets)
  list(APPEND bench_draw_links Qt6::Widgets)
endif()
kavro_program(bench_draw SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_draw.cpp LINKS ${bench_draw_links})
if(TARGET Qt6::Widgets)
  target_compile_definitions(bench_draw PRIVATE KAVRO_BENCH_QT_BORDER_PIXMAP=1)
endif()
