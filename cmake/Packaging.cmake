# What `cmake --install` lays out besides the programs (each program's own
# folder installs it), and the Debian package CPack builds from that layout:
#   cmake --build <dir> --target package
# Everything goes through GNUInstallDirs, so a program added later only needs
# install(TARGETS <it> RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}).
include(GNUInstallDirs)

# The viewer finds its data folder from where it runs: <bin>/../share/ondrel
# (app/InstallPath), and the skin under its Media folder. Another layout
# would install a viewer that stops with the media error.
if(ONDREL_GUI AND NOT (CMAKE_INSTALL_BINDIR STREQUAL "bin" AND CMAKE_INSTALL_DATADIR STREQUAL "share"))
  message(FATAL_ERROR "The viewer looks for its data in <prefix>/share/ondrel beside <prefix>/bin; "
                      "CMAKE_INSTALL_BINDIR must be 'bin' and CMAKE_INSTALL_DATADIR 'share' "
                      "(they are '${CMAKE_INSTALL_BINDIR}' and '${CMAKE_INSTALL_DATADIR}').")
endif()

set(ONDREL_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(ONDREL_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/ondrel)

install(FILES ${PROJECT_SOURCE_DIR}/docs/ondrel-convert.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${ONDREL_PACKAGING_DIR}/copyright DESTINATION ${ONDREL_DOC_DIR})
if(ONDREL_GUI)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/ondrel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${ONDREL_PACKAGING_DIR}/ondrel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${ONDREL_PACKAGING_DIR}/ondrel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# The Debian package. dpkg-shlibdeps (dpkg-dev) finds the libraries the
# programs link; what they load at run time by name is listed by hand: the
# OpenGL and EGL dispatch libraries (which bring Mesa, so a machine without a
# graphics card still draws) and a scalable font for the viewer's text.
set(ONDREL_PACKAGE_MAINTAINER "Ondrel developers <maintainers@ondrel.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ondrel)
set(CPACK_PACKAGE_VENDOR "Ondrel developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert GoldenEye 007 level exports into Hammer maps")
# One paragraph, its lines within the 80 columns Debian's tools show.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Ondrel reads the triangle dumps of GoldenEye 007 levels, turns every"
  "triangle into a closed convex brush (a prism or a pyramid) and writes"
  "them as a .map file for the Hammer editor. It comes as a viewer with"
  "on-screen panels (ondrel) and a converter without a window for scripts"
  "and batches (ondrel-convert), which can also check a map the way a"
  "compiler reads it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ONDREL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(ONDREL_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libegl1, fonts-liberation2 | fonts-dejavu-core")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
