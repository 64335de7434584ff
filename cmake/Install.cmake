# Installation and the Debian package.
#   cmake --install build            the program, its icons, desktop entry,
#                                    AppStream metadata, manual page and docs
#   cd build && cpack -G DEB         zephrane_<version>-<release>_<arch>.deb
# An installed program does not write beside itself: it keeps Control.txt,
# Flotilla.cfg.orv and Instructions.txt in the user's data folder.
include(GNUInstallDirs)

install(TARGETS zephrane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
  set(ZEPHRANE_ICON_SIZES 16 22 24 32 48 64 128 256)
  foreach(size IN LISTS ZEPHRANE_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/zephrane-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME zephrane.png)
  endforeach()
  install(FILES ${PROJECT_SOURCE_DIR}/resources/zephrane.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/zephrane.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/io.github.zephrane.zephrane.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The manual page and the Debian changelog go compressed, without a
  # timestamp, so that the package is the same at every build.
  find_program(ZEPHRANE_GZIP gzip REQUIRED)
  set(ZEPHRANE_PACKAGED ${PROJECT_BINARY_DIR}/packaged)
  add_custom_command(
    OUTPUT ${ZEPHRANE_PACKAGED}/zephrane.1.gz ${ZEPHRANE_PACKAGED}/changelog.Debian.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZEPHRANE_PACKAGED}
    COMMAND ${ZEPHRANE_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/packaging/zephrane.1 > ${ZEPHRANE_PACKAGED}/zephrane.1.gz
    COMMAND ${ZEPHRANE_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/packaging/debian/changelog
            > ${ZEPHRANE_PACKAGED}/changelog.Debian.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/zephrane.1 ${PROJECT_SOURCE_DIR}/packaging/debian/changelog
    VERBATIM)
  add_custom_target(zephrane_packaged ALL
                    DEPENDS ${ZEPHRANE_PACKAGED}/zephrane.1.gz ${ZEPHRANE_PACKAGED}/changelog.Debian.gz)
  install(FILES ${ZEPHRANE_PACKAGED}/zephrane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${ZEPHRANE_PACKAGED}/changelog.Debian.gz ${PROJECT_SOURCE_DIR}/packaging/debian/copyright
                ${PROJECT_SOURCE_DIR}/README.md
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zephrane)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME zephrane)
endif()

# The package's version is the program's, with the Debian revision of the
# changelog's first entry.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog ZEPHRANE_CHANGELOG_HEAD LIMIT_COUNT 1)
if(NOT ZEPHRANE_CHANGELOG_HEAD MATCHES "^zephrane \\(${PROJECT_VERSION}-([0-9]+)\\)")
  message(FATAL_ERROR "packaging/debian/changelog does not begin with version ${PROJECT_VERSION}-N")
endif()
set(ZEPHRANE_DEBIAN_REVISION ${CMAKE_MATCH_1})

set(ZEPHRANE_MAINTAINER "Zephrane maintainers <maintainers@users.noreply.c-seed-a7f32116.example>"
    CACHE STRING "Maintainer of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zephrane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zephrane developers")
set(CPACK_PACKAGE_CONTACT "${ZEPHRANE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "orders and campaign patches for SilentHunterIII careers")
# The extended description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "For players of the submarine game SilentHunterIII who keep their careers
 with SH3 Commander, this tool carries out orders the game does not offer:
 a transfer to another U-Flottille, or the commissioning of a new U-boat at
 a chosen port. It edits the plain-text files of the game, of SH3 Commander
 and of the player's careers, writes a checklist for every order, applies
 four campaign patches and can put back the flotilla configuration it
 changed. It edits a game installed under Wine or Proton.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${ZEPHRANE_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZEPHRANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The checklist opens in the desktop's text viewer through xdg-open; without
# it the program shows the checklist in a window of its own.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
# The Qt 6 runtime is the only dependency; dpkg-shlibdeps works out the exact
# package names and versions where it is installed.
find_program(ZEPHRANE_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ZEPHRANE_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6, libqt6network6")
endif()

include(CPack)
