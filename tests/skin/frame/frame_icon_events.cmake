# The window icon on the system-menu button and the frame objects' events,
# on real forms under the offscreen platform.
kavro_test(skin_frame_icon_events_test LABEL widget
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/frame_icon_events_test.cpp
  LINKS kavro_skin_frame kavro_resources Qt6::Test)
