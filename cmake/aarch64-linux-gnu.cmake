# Cross build for 64-bit ARM Linux with Debian's aarch64-linux-gnu toolchain
# against the multiarch arm64 libraries (dpkg --add-architecture arm64, then
# libncurses-dev:arm64); tests run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(target aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${target}-gcc)
set(CMAKE_CXX_COMPILER ${target}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${target})

# pkg-config answers for the target's libraries, not the build machine's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${target}/pkgconfig:/usr/share/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# Only the tests need qemu: without it the program still builds and packs.
# The toolchain's own target runtime (libstdc++ for the unit tests) comes
# first; what it lacks, terminfo above all, from the multiarch folders. A
# static program needs nothing of the target's root, and is run without one.
find_program(QEMU_AARCH64 qemu-aarch64)
if(QEMU_AARCH64 AND TIMES_TABLE_STATIC)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU_AARCH64})
elseif(QEMU_AARCH64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU_AARCH64} -L /usr/${target})
endif()
