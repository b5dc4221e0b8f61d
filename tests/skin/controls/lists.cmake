# The scroll bar, list boxes, pop-up list and combo box: arithmetic as
# tables, and the controls driven with real input on shown forms: bars,
# columns and caption bars of the lists too.
kavro_test(skin_lists_test LABEL widget
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/lists_scroll_bar_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lists_combo_box_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lists_bad_sections_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/lists_bars_columns_test.cpp
  LINKS kavro_skin_controls kavro_resources Qt6::Test)
