# Installation in the places a Linux desktop looks, and a Debian package of it.
include(GNUInstallDirs)

set(TERMALO_DESKTOP_FILE ${PROJECT_SOURCE_DIR}/resources/desktop/termalo.desktop)
set(TERMALO_METAINFO_FILE ${PROJECT_SOURCE_DIR}/resources/desktop/example.termalo.termalo.metainfo.xml)

install(TARGETS termalo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TERMALO_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TERMALO_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The type of month files, so that a file manager opens them with the program.
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/termalo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The Debian revision of the package: 1.0-1 is the first package of release 1.0.
set(TERMALO_DEBIAN_REVISION 1)
set(TERMALO_DEBIAN_VERSION ${PROJECT_VERSION}-${TERMALO_DEBIAN_REVISION})

# Debian's documentation of the package: the machine-readable copyright file
# (the licence text itself is in /usr/share/common-licenses/GPL-3), the
# changelog and the manual pages in English and Polish, compressed as Debian
# wants them: gzip -9 with no name and no time stamp, so the same sources give
# the same bytes.
find_program(TERMALO_GZIP gzip REQUIRED)
# Writes `source` (with @VARIABLES@ filled in) to `path` under the build tree
# and compresses it next to itself.
function(termalo_gzipped_doc source path)
  configure_file(${source} ${PROJECT_BINARY_DIR}/${path} @ONLY)
  execute_process(COMMAND ${TERMALO_GZIP} -9nkf ${PROJECT_BINARY_DIR}/${path} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip ${path}: ${result}")
  endif()
endfunction()
termalo_gzipped_doc(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in debian-doc/changelog.Debian)
# The manual pages keep man's layout in the build tree, so they can be read
# with MANPATH=build/man before they are installed.
termalo_gzipped_doc(${PROJECT_SOURCE_DIR}/resources/man/termalo.1 man/man1/termalo.1)
termalo_gzipped_doc(${PROJECT_SOURCE_DIR}/resources/man/termalo.pl.1 man/pl/man1/termalo.1)

install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright ${PROJECT_BINARY_DIR}/debian-doc/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/termalo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME termalo)
install(FILES ${PROJECT_BINARY_DIR}/man/man1/termalo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/man/pl/man1/termalo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/pl/man1)

# cpack (or the "package" target) makes termalo_<version>-<revision>_<arch>.deb, installing
# under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME termalo)
set(CPACK_PACKAGE_VENDOR "Zespół projektu Termalo")
set(CPACK_PACKAGE_CONTACT "Zespół projektu Termalo <kontakt@termalo.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ocena działalności sanatorium wskaźnikami sprawności operacyjnej")
# Lines of at most 80 characters, as Debian's tools show them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Termalo computes the operational-efficiency indicators of a sanatorium\n"
       "for one month, shows them on one screen and restates them as a report.\n"
       "It draws charts, prints the screens and explains every indicator.\n"
       "The interface is in Polish.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TERMALO_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://termalo.example/")
# dpkg-shlibdeps finds the libraries the program links; the fonts the layouts
# are drawn with are only opened at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Qt's own Polish texts for the standard dialogs, and Qt's Wayland platform so
# that the program runs natively on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
include(CPack)
