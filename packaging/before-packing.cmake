# Read by cpack before it packs anything, once for each generator.

set(source "${CPACK_TIMES_TABLE_SOURCE_DIR}")
# Where a source tarball keeps the time of the commit it was made from,
# since it holds no history to read it from.
set(epoch_file "${source}/packaging/source-date-epoch")

# Packages are reproducible: every time stamp in them is SOURCE_DATE_EPOCH.
# Without one a build would stamp its own time, and so differ from every other.
include("${source}/packaging/source-date-epoch.cmake")
source_date_epoch(epoch "${source}")
if(epoch STREQUAL "")
  message(FATAL_ERROR "Neither SOURCE_DATE_EPOCH nor a git checkout nor ${epoch_file}: "
                      "the packages' time stamps would be this build's. Set SOURCE_DATE_EPOCH.")
endif()
set(ENV{SOURCE_DATE_EPOCH} "${epoch}")

# The source tarball holds what the commit holds, not the working tree: no
# untracked file, no uncommitted change, no worktree's .git file, and beside
# it the commit's time. git exports the commit into a folder of cpack's that
# it then packs. Unpacked from such a tarball, with no history, the tree
# is packed as it stands.
if(CPACK_PACKAGE_FILE_NAME STREQUAL CPACK_SOURCE_PACKAGE_FILE_NAME AND EXISTS "${source}/.git")
  if(NOT CPACK_PACKAGE_DIRECTORY)
    message(FATAL_ERROR "cpack named no folder to pack in")
  endif()
  set(export "${CPACK_PACKAGE_DIRECTORY}/_CPack_Packages/commit")
  file(REMOVE_RECURSE "${export}")
  file(MAKE_DIRECTORY "${export}")
  execute_process(COMMAND git -C "${source}" archive --format=tar HEAD COMMAND tar -x -C "${export}"
                  RESULTS_VARIABLE status)
  if(NOT status MATCHES "^0;0$")
    message(FATAL_ERROR "could not export the commit of ${source}: ${status}")
  endif()
  file(WRITE "${export}/packaging/source-date-epoch" "$ENV{SOURCE_DATE_EPOCH}\n")
  set(CPACK_INSTALLED_DIRECTORIES "${export};/")
  set(CPACK_IGNORE_FILES "")  # the commit holds no build of its own; and the export is inside one
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
