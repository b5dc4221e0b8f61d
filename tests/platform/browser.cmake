# The browser control against pages served by the test on 127.0.0.1, and
# the store of the browser settings.
if(NOT KAVRO_WINDOWLESS)
  # Debian ships cpp-httplib's definitions compiled beside the header.
  find_package(Threads REQUIRED)
  find_library(KAVRO_HTTPLIB_LIBRARY cpp-httplib)
  # The control test reaches into the engine view, so it links the engine
  # itself; programs that only use the control do not.
  set(browser_test_links kavro_platform_browser kavro_ui Qt6::WebEngineWidgets Qt6::Test
    Threads::Threads)
  if(KAVRO_HTTPLIB_LIBRARY)
    list(APPEND browser_test_links ${KAVRO_HTTPLIB_LIBRARY})
  endif()
  kavro_test(platform_browser_test LABEL widget TIMEOUT 240
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/browser_control_test.cpp
    LINKS ${browser_test_links})
endif()
kavro_test(platform_browser_settings_test LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/browser_settings_test.cpp
  LINKS kavro_platform)

# The engine module loaded on first need, in programs that link only the
# control: each test is a process of its own, as the engine is loaded once.
if(NOT KAVRO_WINDOWLESS)
  foreach(stub without-entry of-another-build)
    add_library(browser-module-${stub} MODULE ${CMAKE_CURRENT_LIST_DIR}/browser_module_stub.cpp)
    set_target_properties(browser-module-${stub} PROPERTIES PREFIX ""
      LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib/kavro-teacher-test)
  endforeach()
  target_compile_definitions(browser-module-of-another-build PRIVATE WITH_ENTRY_POINT)
  kavro_test(platform_browser_engine_test LABEL widget EACH TIMEOUT 120
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/browser_engine_test.cpp
    LINKS kavro_platform_browser Qt6::Test)
  add_dependencies(platform_browser_engine_test browser-module-without-entry
    browser-module-of-another-build)
endif()
