# The classroom server's own tests; they start it on free ports of 127.0.0.1.
kavro_test(classroom_server_test LABEL unit
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/classroom_server_test.cpp
  LINKS kavro_app_core kavro_app_test_support)
add_dependencies(classroom_server_test classroom-server)
