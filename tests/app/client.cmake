# Tests of the client's windows: one test program per file in client/,
# each a widget test on the offscreen platform. The end-to-end tests of the
# whole program are in e2e/. The tests reach into the browsers' engine views,
# so they link Qt WebEngine themselves (the client loads it as a module).
if(NOT KAVRO_WINDOWLESS)
  file(GLOB client_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/client/*_test.cpp)
  foreach(test_source IN LISTS client_tests)
    get_filename_component(test_name ${test_source} NAME_WE)
    kavro_test(app_${test_name} LABEL widget TIMEOUT 300
      SOURCES ${test_source}
      LINKS kavro_app_client kavro_app_test_support Qt6::WebEngineWidgets Qt6::Test)
    add_dependencies(app_${test_name} classroom-server)
  endforeach()
endif()
