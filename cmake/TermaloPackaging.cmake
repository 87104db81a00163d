# Installation in the places a Linux desktop looks, and a Debian package of it.
include(GNUInstallDirs)

set(TERMALO_DESKTOP_FILE ${PROJECT_SOURCE_DIR}/resources/desktop/termalo.desktop)
set(TERMALO_METAINFO_FILE ${PROJECT_SOURCE_DIR}/resources/desktop/example.termalo.termalo.metainfo.xml)

install(TARGETS termalo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TERMALO_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TERMALO_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/termalo RENAME copyright)

# cpack (or the "package" target) makes termalo_<version>_<arch>.deb, installing under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME termalo)
set(CPACK_PACKAGE_VENDOR "Zespół projektu Termalo")
set(CPACK_PACKAGE_CONTACT "Zespół projektu Termalo <kontakt@termalo.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ocena działalności sanatorium wskaźnikami sprawności operacyjnej")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Termalo computes the operational-efficiency indicators of a sanatorium for one month,\n"
       "shows them on one screen, restates them as a report, draws charts, prints the screens\n"
       "and explains every indicator. The interface is Polish.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://termalo.example/")
# dpkg-shlibdeps finds the libraries the program links; the fonts the layouts
# are drawn with are only opened at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Qt's own Polish texts for the standard dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
