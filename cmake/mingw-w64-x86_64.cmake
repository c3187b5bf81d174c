# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads),
# linked statically so that the .exe runs on its own; tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(target x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${target}-gcc-posix)
set(CMAKE_CXX_COMPILER ${target}-g++-posix)
set(CMAKE_RC_COMPILER ${target}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${target})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Only the tests need Wine: without it the program still builds and packs.
find_program(WINE_PROGRAM wine)
# Every Wine process of a build runs in that build folder's own prefix, which
# the tests make when it is missing: the user's own prefix (~/.wine) and its
# wineserver are never touched. Wine's menu builder stays off, or it would
# write desktop and menu entries into the home for any prefix. Wine's own
# diagnostics would mix with what the tests read on standard error.
set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
if(WINE_PROGRAM)
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${WINE_PREFIX} WINEDLLOVERRIDES=winemenubuilder.exe=d
                                    WINEDEBUG=-all ${WINE_PROGRAM})
endif()
