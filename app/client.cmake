# The client's windows (target kavro_app_client: the console, the login and
# course windows, the four auxiliary windows and what they share), the
# client as one object (kavro_app_program: the window set, the login and
# the message loop) and the program the teacher runs, kavro-teacher. Each
# window keeps its own files in app/client/; they are picked up as they are
# added.
if(NOT KAVRO_WINDOWLESS)
  file(GLOB client_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/client/*.cpp)
  kavro_module(kavro_app_client DIR app/client
    SOURCES ${client_sources}
    LINKS kavro_app_core kavro_app_crash kavro_skin_dialogs kavro_skin_controls kavro_skin_frame
          kavro_skin_popup kavro_platform_browser kavro_platform kavro_resources kavro_ui
          Qt6::Widgets JPEG::JPEG)
  # The program is made once all seven windows are there.
  set(client_windows_ready ON)
  foreach(window main_form login_form course_form group_form view_deciding_form about_form
                 viewmain_form)
    if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/client/${window}.h)
      set(client_windows_ready OFF)
    endif()
  endforeach()
  if(client_windows_ready)
    kavro_module(kavro_app_program DIR app/program
      SOURCES program/teacher_program.cpp
      LINKS kavro_app_client)
    kavro_program(kavro-teacher SOURCES program/main.cpp LINKS kavro_app_program)
  endif()
endif()
