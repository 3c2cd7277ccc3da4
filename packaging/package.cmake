# The Debian package: `cpack -G DEB` in the build folder. It installs under /usr, so the game
# lands in /usr/games; dpkg-shlibdeps works out what the programs need.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dorvan)
set(CPACK_PACKAGE_VENDOR "The Dorvan developers")
set(CPACK_PACKAGE_CONTACT "${DORVAN_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dots and boxes on a 3D lattice and on a tesseract")
# Debian shows the description as written: lines under 80 characters, "." for an empty one.
set(CPACK_PACKAGE_DESCRIPTION "\
Dorvan is the pencil game of dots and boxes lifted off the page. Two sides,
Red and Blue, take turns drawing one short line between two neighbouring
points; whoever draws the last missing line of a box wins it.
.
It plays on a 3x3x3 lattice of 27 points and on a tesseract, the
four-dimensional cube, which turns in four dimensions. Each board offers
three games, Merrin, Duomar and Dorvan, against the computer on a move clock
or between two players at one computer or two.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://dorvan.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
configure_file(${CMAKE_CURRENT_LIST_DIR}/source_date.cmake.in source_date.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/source_date.cmake)
include(CPack)
