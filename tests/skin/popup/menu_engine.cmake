# The menu engine, its popup windows and the popup-menu component, on real
# windows under the offscreen platform.
kavro_test(skin_menu_test LABEL widget
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin_menu_test.cpp ${CMAKE_CURRENT_LIST_DIR}/skin_popup_menu_test.cpp
  LINKS kavro_skin_popup)
