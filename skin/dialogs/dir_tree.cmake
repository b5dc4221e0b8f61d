# The folder tree of the folder dialog.
target_sources(kavro_skin_dialogs PRIVATE ${CMAKE_CURRENT_LIST_DIR}/dir_tree_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/select_directory_dialog.cpp)
