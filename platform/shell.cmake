#The shell calls open addresses with the desktop's handler (Qt GUI).
target_link_libraries(kavro_platform PUBLIC Qt6::Gui)
