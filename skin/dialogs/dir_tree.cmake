# The folder tree of the folder dialog, the dialog and its new-folder picture.
target_sources(kavro_skin_dialogs PRIVATE ${CMAKE_CURRENT_LIST_DIR}/dir_tree_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/select_directory_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/new_folder_glyph.cpp)
