# SPDX-License-Identifier: MIT
# Copyright (c) 2026 the Tagpad developers
# What `cmake --install` puts on a desktop system, and the Debian package made of it.
include(GNUInstallDirs)

set(TAGPAD_HOMEPAGE "https://tagpad.org" CACHE STRING "The project's web address, shown in the software centre")
set(TAGPAD_SCREENSHOT_URL "${TAGPAD_HOMEPAGE}/screenshot.png" CACHE STRING "Where the software centre finds the screenshot")
set(TAGPAD_RELEASE_DATE "2026-12-09")
set(TAGPAD_CONTACT "dev@tagpad.org")

install(TARGETS tagpad RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/tagpad.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(data/org.tagpad.Tagpad.metainfo.xml.in ${CMAKE_CURRENT_BINARY_DIR}/org.tagpad.Tagpad.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/org.tagpad.Tagpad.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icons are drawn by art/ with the banner, one folder a size as the icon theme lays them out.
install(DIRECTORY data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tagpad)
set(CPACK_PACKAGE_VENDOR "The Tagpad developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small HTML editor with a live preview")
set(CPACK_PACKAGE_DESCRIPTION "Tagpad is a small desktop tool for writing HTML by hand and seeing the
result at once: a source pane above an embedded WebKit preview, an address
bar with back, forward and stop, and file, find and print commands.")
set(CPACK_PACKAGE_CONTACT "The Tagpad developers <${TAGPAD_CONTACT}>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TAGPAD_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The menus and messages are Korean; without such a font they show as boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-nanum | fonts-noto-cjk | fonts-unfonts-core")
include(CPack)
