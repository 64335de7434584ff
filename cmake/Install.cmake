# Installation and the Debian package.
#   cmake --install build            the program, its icon and its desktop entry
#   cd build && cpack -G DEB         zephrane_<version>_<arch>.deb
# An installed program cannot write beside itself: it then keeps Control.txt,
# Flotilla.cfg.orv and Instructions.txt in the user's data folder.
include(GNUInstallDirs)

install(TARGETS zephrane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/zephrane.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/zephrane.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zephrane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zephrane")
set(CPACK_PACKAGE_CONTACT "Zephrane maintainers <zephrane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Orders and campaign patches for SilentHunterIII careers kept with SH3 Commander")
set(CPACK_PACKAGE_DESCRIPTION
    "Zephrane edits the plain-text files of SilentHunterIII, SH3 Commander and the player's careers to carry out orders the game does not offer: a transfer to another U-Flottille or the commissioning of a new U-boat at a chosen port. It also applies four campaign patches and can put back the flotilla configuration it changed.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zephrane maintainers <zephrane@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/zephrane")
# The Qt 6 runtime is the only dependency; dpkg-shlibdeps works out the exact
# package names and versions where it is installed.
find_program(ZEPHRANE_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ZEPHRANE_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6")
endif()

include(CPack)
