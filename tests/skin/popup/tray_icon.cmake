# The notification-area icon: click timing on a hand-moved clock, the popup
# menu, cycling, the tooltip and the icon's re-adding, on a recording area.
kavro_test(skin_tray_icon_test LABEL widget
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tray_icon_test.cpp
  LINKS kavro_skin_popup Qt6::Test)
