# The skinned edit box and the self-drawn password box.
target_sources(kavro_skin_controls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/edit_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/secret_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_password_edit.cpp)
