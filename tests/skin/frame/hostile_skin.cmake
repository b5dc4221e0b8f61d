# Hostile skins and hostile menus against the frame on real forms under the
# offscreen platform: edited built-in skins, broken geometry and pictures,
# and menus that are empty, huge, deep or changed while open.
kavro_test(skin_hostile_skin_test LABEL widget
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/hostile_skin_test.cpp
  LINKS kavro_skin_frame kavro_resources Qt6::Test)
