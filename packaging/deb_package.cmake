# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
#
# The Debian package: `cpack` in the build folder writes recallix_VERSION_ARCH.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME recallix)
set(CPACK_PACKAGE_VENDOR Vorlen)
set(CPACK_PACKAGE_CONTACT "Vorlen <recallix@vorlen.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cue card trainer with timed passes")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.vorlen.com/recallix/)

# The binaries in the package are stripped; their debug information stays in the build
# folder, under debug/. (CPack's own -dbgsym package lists its files by absolute paths in its
# md5sums and has no copyright file, so it is not used.)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/strip_binaries.cmake)

# The libraries come from dpkg-shlibdeps. Qt loads its platform plugin at run time, so no
# library names it: without qt6-qpa-plugins the program cannot open a window. Every plugin
# the program loads has to be named here the same way: the SQLite driver of Qt SQL keeps
# the pass history. Qt's own texts (the file dialog, the message boxes' buttons) are read
# from qt6-translations-l10n at run time too, so Japanese needs it. The CJK fonts draw the
# Japanese interface and cards, the condensed DejaVu faces keep the narrow form layouts
# narrow, and xdg-utils opens the web address: all are used when present.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, fonts-dejavu-extra, xdg-utils")
# The summary above is the first line; this is the long description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Recallix shows one cue at a time, a word, a phrase or a question, and the
learner types its answer. A right answer takes the card out of the pass; a
wrong one shows the correct answer and brings the card back twice more. The
pass is timed, and the fastest time for each combination of cue files is kept.
.
Cue files are plain text, one card per line in the form cue = answer, in
UTF-16, UTF-8 or Latin-1. Accented letters can be typed on any keyboard as
two-key combinations. The user interface is in English and Japanese.")
include(CPack)
