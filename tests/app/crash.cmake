# Tests of crash reporting: records, the cap, scrubbing, the state folder
# and a child process ended by a real fault, all without a window.
kavro_test(app_crash_test LABEL unit
  SOURCES crash_log_test.cpp crash_reporter_test.cpp
  LINKS kavro_app_crash kavro_app_core)

# An exception escaping a control's handler on a shown form.
if(NOT KAVRO_WINDOWLESS)
  kavro_test(app_crash_dispatch_test LABEL widget
    SOURCES crash_dispatch_test.cpp
    LINKS kavro_app_crash kavro_ui Qt6::Test)
endif()
