# Installation on Windows and the per-user installer, with Qt's official kit
# (see "Building on Windows" in the README):
#   cmake --install build --prefix DIR   zephrane.exe with the Qt libraries and
#                                        plugins it needs (windeployqt) and the
#                                        compiler's runtime, in DIR\bin
#   cpack --config build\CPackConfig.cmake    Zephrane-<version>-win64.exe (NSIS)
# The installer asks for no administrator rights: it installs into
# %LOCALAPPDATA%\Programs\Zephrane and registers the uninstaller for the
# current user only. The uninstaller removes what it installed and nothing
# else, so the per-user data folder (%APPDATA%\Zephrane: Control.txt,
# Flotilla.cfg.orv, Instructions.txt) and the journal (%LOCALAPPDATA%\Zephrane)
# stay.
include(GNUInstallDirs)

install(TARGETS zephrane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The compiler's runtime beside the program (MSVC: vcruntime and msvcp, so
# that no redistributable, which needs administrator rights, has to be
# installed; MinGW: windeployqt copies libstdc++ and its companions).
if(MSVC)
  set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION ${CMAKE_INSTALL_BINDIR})
  include(InstallRequiredSystemLibraries)
  set(ZEPHRANE_DEPLOY_RUNTIME --no-compiler-runtime)
else()
  set(ZEPHRANE_DEPLOY_RUNTIME --compiler-runtime)
endif()

# windeployqt lies in the kit's bin folder.
find_program(ZEPHRANE_WINDEPLOYQT windeployqt HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" REQUIRED)
install(CODE "
  execute_process(
    COMMAND \"${ZEPHRANE_WINDEPLOYQT}\" --release --no-translations --no-system-d3d-compiler
            --no-opengl-sw ${ZEPHRANE_DEPLOY_RUNTIME}
            \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/zephrane.exe\"
    COMMAND_ERROR_IS_FATAL ANY)")

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Zephrane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zephrane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Orders and campaign patches for SilentHunterIII careers")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Zephrane)
set(CPACK_PACKAGE_EXECUTABLES zephrane Zephrane)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ${CMAKE_INSTALL_BINDIR})
set(CPACK_NSIS_PACKAGE_NAME Zephrane)
set(CPACK_NSIS_DISPLAY_NAME Zephrane)
set(CPACK_NSIS_INSTALLED_ICON_NAME ${CMAKE_INSTALL_BINDIR}\\\\zephrane.exe)
set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\\\Programs")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/zephrane.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/zephrane.ico)
set(CPACK_STRIP_FILES OFF)

# CMake's own installer script asks for administrator rights and, for an
# administrator, installs for all users. This copy of it asks for none and
# always installs for the current user.
set(ZEPHRANE_NSIS_TEMPLATE "${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in")
file(READ "${ZEPHRANE_NSIS_TEMPLATE}" ZEPHRANE_NSIS)
string(REPLACE "RequestExecutionLevel admin" "RequestExecutionLevel user" ZEPHRANE_NSIS "${ZEPHRANE_NSIS}")
string(REPLACE "SetShellVarContext all" "SetShellVarContext current" ZEPHRANE_NSIS "${ZEPHRANE_NSIS}")
if(NOT ZEPHRANE_NSIS MATCHES "RequestExecutionLevel user")
  message(FATAL_ERROR "${ZEPHRANE_NSIS_TEMPLATE} no longer asks for administrator rights as expected")
endif()
file(WRITE "${PROJECT_BINARY_DIR}/nsis/NSIS.template.in" "${ZEPHRANE_NSIS}")
list(PREPEND CMAKE_MODULE_PATH "${PROJECT_BINARY_DIR}/nsis")

include(CPack)
