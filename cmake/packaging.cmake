# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A Debian package of everything the install rules put in place: `cpack` in the build folder
# writes tessarine-studio_<version>-1_<architecture>.deb there. Included after the install rules.

# Debian packages are for Linux builds (the Windows build has none).
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
    return()
endif()

set(TESSA_PACKAGE_MAINTAINER
    "Tessarine Animation Studio developers <developers@tessarine-studio.invalid>"
    CACHE STRING "Maintainer field of the Debian package: name <address>")

# Debian keeps the licence of a package in its copyright file, not in a control field.
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian-copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessarine-studio
    RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessarine-studio)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TESSA_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "editor for the cut-scene animations of the Tessarine games")
# Lines of at most 80 columns in the control file, as Debian's policy asks.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tessarine Animation Studio opens the full-screen cut-scene animations of the"
    "Tessarine games (320 x 200, 256-colour images stored as pixel differences, with"
    "fades, pauses and sounds), shows every frame in the right palette, exports"
    "frames and movies, and changes or builds animations, saved in the game's exact"
    "format."
    ""
    "The package holds the editor tessarine-studio and the command-line tool"
    "tessanim.")
# The programs are all there is: nothing to relocate, and /usr is where Debian puts them, whatever
# CMAKE_INSTALL_PREFIX says for `cmake --install`.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# RelWithDebInfo builds carry their debug information; the package does not.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Depends: from the libraries the programs link, found by dpkg-shlibdeps (dpkg-dev). Qt's xcb
# platform plugin is in libqt6gui6 and its multimedia back ends in libqt6multimedia6, both linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# More image formats to import frames from (WebP, TIFF, ...), found by Qt at run time; Qt's own
# texts (standard buttons, file dialogs) in the editor's other languages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, qt6-translations-l10n")

include(CPack)
