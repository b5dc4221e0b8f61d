# Drawing of popup-menu levels and items, pixel by pixel, with text
# measured by the fonts of the platform.
kavro_test(skin_menu_paint_test LABEL unit MAIN gui
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/menu_paint_test.cpp
  LINKS kavro_skin_popup kavro_resources)
