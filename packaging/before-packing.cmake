# Read by cpack before it packs anything, once for each generator.

# Packages are reproducible: every time stamp in them is SOURCE_DATE_EPOCH,
# which the environment may set and which is otherwise the time of the last
# commit, so two builds of one commit give the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_TIMES_TABLE_SOURCE_DIR}" log -1 --format=%ct
                  OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE status)
  if(status EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} "${commit_time}")
  endif()
endif()

# A Debian package's dependencies are what dpkg-shlibdeps finds in the ELF
# files that file(1) points out. Without either tool cpack would only say so
# and make a package that depends on nothing: one that installs, then fails.
if(CPACK_GENERATOR STREQUAL "DEB")
  foreach(tool dpkg-shlibdeps file)
    unset(tool_path)
    find_program(tool_path ${tool} NO_CACHE)
    if(NOT tool_path)
      message(FATAL_ERROR "${tool} is not installed (dpkg-dev and file on Debian: tools/install-dependencies "
                          "program): without it the package's dependencies cannot be computed.")
    endif()
  endforeach()
endif()

# The static program's tarball unpacks into a prefix as it is; the source
# tarball, made with the same settings, into a folder of its own.
if(CPACK_PACKAGE_FILE_NAME STREQUAL CPACK_SOURCE_PACKAGE_FILE_NAME)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()

# The installer stands beside the zip under a name that says what it is.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
