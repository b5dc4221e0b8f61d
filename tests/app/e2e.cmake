# The whole teacher flow through the real client against the classroom
# server; each test is a process of its own, ended by the client's close step.
if(NOT KAVRO_WINDOWLESS AND TARGET kavro_app_program)
  kavro_test(app_e2e_teacher_flow_test LABEL e2e EACH TIMEOUT 120
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/e2e/teacher_flow_test.cpp
    LINKS kavro_app_program kavro_app_test_support Qt6::Test Qt6::WebEngineWidgets)
  add_dependencies(app_e2e_teacher_flow_test classroom-server)
endif()
