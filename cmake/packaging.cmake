# One Debian package of the desktop program: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME vesmarot)
set(CPACK_PACKAGE_VENDOR "${PROJECT_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian's long description: lines under 80 columns, each written with a leading space.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Type the steel area a reinforced-concrete cross-section needs and the most"
    "bars it may hold; Vesmarot lists the bar arrangements from twelve"
    "diameters, 6 to 30 mm, and the area each provides. Its interface is in"
    "Vietnamese and it reads numbers in the user's regional settings.")
set(CPACK_PACKAGE_CONTACT "${VESMAROT_MAINTAINER}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${PROJECT_NAME}")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# Library dependencies come from what the program really links (dpkg-shlibdeps); the font is
# the one package it needs that no linker knows of.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_STRIP_FILES ON)
include(CPack)
