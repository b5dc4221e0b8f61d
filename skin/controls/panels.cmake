# The panels and containers: panel, group box, ex-panel, splitter, tool bar.
target_sources(kavro_skin_controls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/panel_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_ex_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_splitter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_tool_bar.cpp)
