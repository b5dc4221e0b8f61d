# The notification-area icon and the icons it and the window frames draw.
target_sources(kavro_skin_popup PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/icon_image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tray_icon.cpp)
