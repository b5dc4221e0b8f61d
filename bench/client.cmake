# The client program's measurements: the skin switch over all seven windows
# (bench_client, against reading the package alone), and the baseline
# program of the start-up script (bare_login_window).
if(NOT KAVRO_WINDOWLESS)
  kavro_program(bare_login_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/bare_login_window.cpp
    LINKS Qt6::Widgets)
  if(TARGET kavro_app_program)
    kavro_program(bench_client
      SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_client.cpp
      LINKS kavro_app_program benchmark::benchmark Qt6::Widgets)
    kavro_program(client_memory SOURCES ${CMAKE_CURRENT_LIST_DIR}/client_memory.cpp
      LINKS kavro_app_program Qt6::Widgets)
  endif()
endif()
