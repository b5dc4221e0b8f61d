# Windows destroyed by events that run while the frame, its menus or the
# notification-area icon process pending events, and controls that rebuild
# themselves during a skin change, on real forms under the offscreen
# platform (also run under the sanitizers).
kavro_test(skin_frame_lifetime_test LABEL widget
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/frame_lifetime_test.cpp
  LINKS kavro_skin_frame Qt6::Test)
