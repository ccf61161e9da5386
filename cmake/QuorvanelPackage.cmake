# The Debian package (make package; cpack -G DEB in a build tree): the
# installed files of every part, Depends computed from the program's shared
# libraries plus the font the game draws with and fontconfig, which the
# program loads only when it looks for a font elsewhere (dlopen), so that
# dpkg-shlibdeps does not see it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvanel)
set(CPACK_PACKAGE_VENDOR "The Quorvanel developers")
set(CPACK_PACKAGE_CONTACT "${QUORVANEL_MAINTAINER}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, libfontconfig1")
# The synopsis, then the extended description (lines of at most 80 characters).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "small role-playing game in Simplified Chinese
The hero trains against a fixed roster of eleven monsters; every fight is
settled at once by a formula that also tells in advance which monsters can be
beaten. Wins give experience, skill books and equipment; two tasks raise the
level cap and end the game.
.
Every session can be recorded and replayed exactly, in a window or without
one, and scripts can drive the game through a pipe.")
include(CPack)
