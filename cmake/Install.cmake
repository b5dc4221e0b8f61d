# What `cmake --install` puts under the prefix, in the GNU directory layout:
# the teacher client and the two tools, the desktop entry with its icon in
# the hicolor sizes, the AppStream data, the manual pages (gzipped, as
# Debian's man reads them) and the package's copyright and changelog.
include(GNUInstallDirs)

set(KAVRO_APP_ID cn.kavro.teacher)
set(KAVRO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/kavro-teacher)

foreach(program kavro-teacher skintool classroom-server)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/kavro-teacher.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${KAVRO_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/kavro-teacher-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME kavro-teacher.png)
endforeach()

# Manual pages and the changelog are compressed at build time, with no name
# or time stamp in the gzip header so that two builds give the same bytes.
find_program(KAVRO_GZIP gzip REQUIRED)
set(kavro_gzipped)
function(kavro_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${KAVRO_GZIP} -9 -n -c ${source} > ${output}
    DEPENDS ${source}
    COMMENT "Compressing ${output}"
    VERBATIM)
  set(kavro_gzipped ${kavro_gzipped} ${output} PARENT_SCOPE)
endfunction()

set(kavro_man_out ${CMAKE_BINARY_DIR}/share/man/man1)
file(MAKE_DIRECTORY ${kavro_man_out})
file(GLOB kavro_man_pages CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/man/*.1)
foreach(page IN LISTS kavro_man_pages)
  get_filename_component(name ${page} NAME)
  kavro_gzip(${page} ${kavro_man_out}/${name}.gz)
  install(FILES ${kavro_man_out}/${name}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

set(kavro_doc_out ${CMAKE_BINARY_DIR}/share/doc/kavro-teacher)
file(MAKE_DIRECTORY ${kavro_doc_out})
kavro_gzip(${CMAKE_SOURCE_DIR}/cmake/debian/changelog ${kavro_doc_out}/changelog.gz)
install(FILES ${kavro_doc_out}/changelog.gz ${CMAKE_SOURCE_DIR}/cmake/debian/copyright
  DESTINATION ${KAVRO_DOC_DIR})

add_custom_target(kavro-install-docs ALL DEPENDS ${kavro_gzipped})

# The Debian package built from these rules.
include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
