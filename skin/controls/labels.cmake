# The labels, the gauge and the link picture.
target_sources(kavro_skin_controls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/label_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_gauge.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_link_image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_std_label.cpp)
target_link_libraries(kavro_skin_controls PUBLIC kavro_platform)
