# Crash reporting (target kavro_app_crash): window-free, so its tests run in
# the window-free build too. The client hands it the framework's unhandled
# exceptions and lets it hold the fatal signals.
kavro_module(kavro_app_crash DIR app/crash
  SOURCES crash/crash_log.cpp crash/crash_reporter.cpp crash/program_version.cpp)
set_source_files_properties(crash/program_version.cpp PROPERTIES
  COMPILE_DEFINITIONS "KAVRO_VERSION=\"${PROJECT_VERSION}\"")
# Programs using it export their symbols, so backtraces carry function names.
target_link_options(kavro_app_crash INTERFACE -rdynamic)
