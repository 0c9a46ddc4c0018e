# What makes a release besides the code: its date and notes (CHANGELOG.md), the id the desktop
# knows the program by, and the Debian package that `cpack -G DEB` makes from the install rules.
# The version is the project's own (project(VERSION)); what shows it is generated from it.

# The release date is the one of the version's entry in CHANGELOG.md. A version without an entry
# stops the configuration, so that the notes, the metainfo and the package never disagree.
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG.md TALLARO_RELEASE_ENTRY
     REGEX "^## \\[${PROJECT_VERSION}\\] - [0-9]+-[0-9]+-[0-9]+$")
if(NOT TALLARO_RELEASE_ENTRY)
    message(FATAL_ERROR "CHANGELOG.md has no entry \"## [${PROJECT_VERSION}] - YYYY-MM-DD\"")
endif()
string(REGEX MATCH "[0-9]+-[0-9]+-[0-9]+$" TALLARO_RELEASE_DATE "${TALLARO_RELEASE_ENTRY}")

# The desktop's name for the program: the desktop entry, the metainfo and the icons are named by
# it, and the window gives it to the compositor, which so finds the icon for the window.
set(TALLARO_APP_ID io.github.tallaro.Tallaro)
set(TALLARO_HOMEPAGE https://github.com/tallaro/tallaro)
set(TALLARO_SCREENSHOT
    https://raw.githubusercontent.com/tallaro/tallaro/main/docs/tallaro-window.png)
set(TALLARO_AUTHORS "The Tallaro authors")
set(TALLARO_MAINTAINER "${TALLARO_AUTHORS} <tallaro@users.noreply.github.com>")

# Distributions ship position-independent programs; executables that ask for it get -pie.
include(CheckPIESupported)
check_pie_supported()

set(CPACK_PACKAGE_NAME tallaro)
set(CPACK_PACKAGE_VENDOR "${TALLARO_AUTHORS}")
set(CPACK_PACKAGE_CONTACT "${TALLARO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "exact calculator for decimal numbers of any length")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tallaro adds, subtracts, multiplies and divides decimal numbers of thousands"
    "or millions of digits exactly, with a Japanese user interface. A quotient is"
    "carried to the number of fraction digits the user chooses, and its repeating"
    "block can be found and highlighted. tallaro-calc runs the same engine from"
    "the command line, one answer per input line.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TALLARO_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(TALLARO_BUILD_GUI)
    # Beyond the libraries: the platform plugins that put the window on a screen, and the
    # fixed-pitch Japanese font the dialogs are laid out for. The help wants a CHM viewer or,
    # through xdg-open, a browser.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic | fonts-japanese-gothic")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
        "xchm | kchmviewer, xdg-utils, qt6-wayland, qt6-translations-l10n")
endif()
set(CPACK_INSTALL_SCRIPTS ${PROJECT_BINARY_DIR}/resources/DebianChangelog.cmake)
include(CPack)
