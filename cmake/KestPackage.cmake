# The Debian package of a counter PC (scripts/package): the client and its
# password tool under /usr/lib/kest, the starter on the PATH and in the
# desktop menu, the INI files of /etc/kest, and what an administrator needs
# to set up or upgrade the server under /usr/share/kest.

set(KEST_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

# No INI file beside the client: it reads those of /etc/kest.
install(TARGETS Kest_E kest-pass RUNTIME DESTINATION lib/kest)
install(PROGRAMS ${KEST_PACKAGING_DIR}/kest-e DESTINATION bin)
install(FILES ${KEST_PACKAGING_DIR}/kest-e.desktop DESTINATION share/applications)
install(FILES ${KEST_PACKAGING_DIR}/kest-e.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${KEST_PACKAGING_DIR}/kest-e.png DESTINATION share/icons/hicolor/128x128/apps)
set(KEST_CONFFILES Main.ini RVUpdate.ini Kest_E.ini)
list(TRANSFORM KEST_CONFFILES PREPEND ${KEST_PACKAGING_DIR}/etc/ OUTPUT_VARIABLE KEST_CONFFILE_SOURCES)
install(FILES ${KEST_CONFFILE_SOURCES} DESTINATION /etc/kest)

# The server's scripts as a checkout has them, so that the steps of the
# README work from /usr/share/kest; the invented demo data stays out.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/db/ DESTINATION share/kest/db PATTERN demo EXCLUDE)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/scripts/db DESTINATION share/kest/scripts)
# The report viewer's definitions, read from here unless Main.ini names a
# report server or another folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/reports/ DESTINATION share/kest/reports FILES_MATCHING PATTERN "*.mrd")
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${KEST_PACKAGING_DIR}/MAINTAINERS.md
              ${PROJECT_SOURCE_DIR}/docs/guide.ko.md ${PROJECT_SOURCE_DIR}/docs/guide.en.md
        DESTINATION share/doc/kest-e)

# Edited by the administrator: kept over upgrades.
set(KEST_CONFFILES_LIST ${CMAKE_CURRENT_BINARY_DIR}/package/conffiles)
list(TRANSFORM KEST_CONFFILES PREPEND /etc/kest/ OUTPUT_VARIABLE KEST_CONFFILE_PATHS)
list(JOIN KEST_CONFFILE_PATHS "\n" KEST_CONFFILE_TEXT)
file(WRITE ${KEST_CONFFILES_LIST} "${KEST_CONFFILE_TEXT}\n")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kest-e)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sports counter client of the ski area (rental, storage)")
set(CPACK_PACKAGE_DESCRIPTION "Qt desktop client of the ski area's sports counters over PostgreSQL 15.\nThe database scripts to set up or upgrade the server are in /usr/share/kest.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kest_E developers <kest-e@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries the client links (Qt, libpq, libxlsxwriter) come from
# dpkg-shlibdeps; what it loads at run time is named here: the PostgreSQL
# driver, the window-system plugins and the Korean font of the screens and
# Qt's own texts in Korean.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-psql, qt6-qpa-plugins, fonts-nanum, qt6-translations-l10n")
# Hangul typed through the desktop's input method, one that works with Qt 6.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fcitx5, fcitx5-hangul, fcitx5-frontend-qt6")
# psql for the server's scripts, on the PC that runs them.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "postgresql-client-15")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${KEST_CONFFILES_LIST})
include(CPack)
