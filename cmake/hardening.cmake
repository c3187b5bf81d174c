# The hardening Debian gives the packages it builds (dpkg-buildflags), for
# every POSIX build: position-independent executables, the stack protector,
# fortified C library calls, stack clash protection, and read-only
# relocations bound at start. Each flag is checked first, so compilers and
# linkers that lack one (older clang, BSD and macOS toolchains) still build.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

foreach(flag -fstack-protector-strong -fstack-clash-protection)
  string(MAKE_C_IDENTIFIER "TIMES_TABLE_HAS${flag}" has_flag)
  check_cxx_compiler_flag(${flag} ${has_flag})
  if(${has_flag})
    add_compile_options(${flag})
  endif()
endforeach()

# The C library checks buffer sizes only where the compiler optimises (and
# warns where it does not), so debug builds go without. Any level the
# compiler sets by default gives way to Debian's.
check_cxx_compiler_flag(-D_FORTIFY_SOURCE=2 TIMES_TABLE_HAS_FORTIFY)
if(TIMES_TABLE_HAS_FORTIFY)
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()

check_linker_flag(CXX LINKER:-z,relro,-z,now TIMES_TABLE_HAS_BIND_NOW)
if(TIMES_TABLE_HAS_BIND_NOW)
  add_link_options(LINKER:-z,relro,-z,now)  # costs no measurable start-up here
endif()
