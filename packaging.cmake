# SPDX-License-Identifier: GPL-3.0-or-later
# Installation as a desktop application, and the Debian package.

install(TARGETS zunovar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${ZUNOVAR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${ZUNOVAR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES icons/zunovar-32.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME ${ZUNOVAR_APP_ID}.png)
install(FILES icons/zunovar-48.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME ${ZUNOVAR_APP_ID}.png)
install(FILES icons/zunovar.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ZUNOVAR_APP_ID}.svg)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zunovar RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zunovar)
set(CPACK_PACKAGE_VENDOR "Zunovar developers")
set(CPACK_PACKAGE_CONTACT "Zunovar developers <developers@zunovar.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classroom exercise: an acronym from novel titles")
set(CPACK_PACKAGE_DESCRIPTION
    "A Bulgarian classroom exercise on acronyms. The pupil matches fourteen novels with
their authors; each right pair writes the first letter of the title into its own
row, and the column then spells the title of a literary work.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zunovar.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window asks for Times New Roman; this is its metric-compatible stand-in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
