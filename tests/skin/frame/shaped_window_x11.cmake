# The window shape checked on screen: forms wearing the built-in skins under a
# real X server (Xvfb through xvfb-run) with the X11 platform, since the
# offscreen platform records a shape without applying it. Without xvfb-run
# the check cannot run: configuring fails instead of the check passing
# unseen, unless it is switched off on purpose.
option(KAVRO_X11_CHECKS "Check window shapes on a virtual X server (needs xvfb-run)" ON)
if(KAVRO_X11_CHECKS)
  find_program(KAVRO_XVFB_RUN xvfb-run)
  if(NOT KAVRO_XVFB_RUN)
    message(FATAL_ERROR "xvfb-run not found: install the Debian packages xvfb and xauth "
                        "(scripts/install-deps does), or configure with -DKAVRO_X11_CHECKS=OFF")
  endif()
  add_executable(skin_shaped_window_x11_test ${CMAKE_CURRENT_LIST_DIR}/shaped_window_x11_test.cpp)
  target_link_libraries(skin_shaped_window_x11_test PRIVATE kavro_test_main_widget
    kavro_test_support GTest::gtest kavro_skin_frame kavro_resources Qt6::Test)
  kavro_warnings(skin_shaped_window_x11_test)
  add_test(NAME skin_shaped_window_x11_test
    COMMAND ${KAVRO_XVFB_RUN} -a -s "-screen 0 1024x768x24 -nolisten tcp"
            $<TARGET_FILE:skin_shaped_window_x11_test>)
  set_tests_properties(skin_shaped_window_x11_test PROPERTIES LABELS widget TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=xcb")
endif()
