# The frame's menus: the system menu, menu mode and the menu-closing
# messages, on real forms under the offscreen platform.
kavro_test(skin_frame_menu_test LABEL widget
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/frame_menu_test.cpp
  LINKS kavro_skin_frame Qt6::Test)
