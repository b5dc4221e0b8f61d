# The Debian package of the install tree: kavro-teacher_<version>_amd64.deb,
# built by `cpack` in the build folder. Its run-time dependencies come from
# dpkg-shlibdeps over the programs, so they follow the libraries the build
# really linked.
set(KAVRO_PACKAGE_MAINTAINER "Kavro classroom client team <teacher-client@kavro.cn>"
  CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavro-teacher)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kavro classroom client team")
set(CPACK_PACKAGE_CONTACT ${KAVRO_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teacher's client of the classroom business simulation")
# The extended description, wrapped for an 80-column terminal.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "The teacher logs into a classroom on the simulation server, picks a class"
  "from the server's course list and runs it from a console whose three panes"
  "show the server's teacher pages. Every window is drawn in one of six"
  "built-in skins."
  ""
  "Also contains skintool, which packs, unpacks and previews skins, and"
  "classroom-server, a small classroom server for demonstrations.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KAVRO_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the windows' font names are mapped onto.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-zenhei, fonts-liberation2, fontconfig")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
