# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (posix threads,
# for std::thread):
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DZEPHRANE_GUI=OFF
# The programs are linked statically, so they run under Wine or on Windows
# without the compiler's DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZEPHRANE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZEPHRANE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZEPHRANE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ZEPHRANE_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZEPHRANE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest runs the cross-built programs through Wine.
find_program(ZEPHRANE_WINE NAMES wine64 wine)
if(ZEPHRANE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZEPHRANE_WINE})
endif()
