# `cpack` turns the install rules into a Debian package (skirmod_<version>_<arch>.deb).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skirmod)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Skirmod developers")
set(CPACK_PACKAGE_CONTACT "Skirmod developers <skirmod@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "battle calculator for a tick-based browser strategy game")
# Kept to lines of at most 79 characters, as Debian's package descriptions want.
set(CPACK_PACKAGE_DESCRIPTION
"Skirmod works out one tick of combat between two of the game's 54 ship types:
pick the attacker and the defender, type the number of attacking ships, and it
shows at once how many defenders they kill, hold or capture, whether the
attacker targets the defender at all, and the resource efficiency of the
attack. A second window explains every result step by step, keeps a log of
results to copy, and lets the player edit the ship statistics and the colours
of both windows.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
# "games" is for programs in /usr/games; a calculator beside a game is a utility.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps adds the Qt and C++ runtime libraries; the window fonts are named in
# the program, so their package is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
# Where a desktop offers Wayland alone (no XWayland), Qt needs its Wayland platform plug-in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)
