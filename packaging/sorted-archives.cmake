# Run by cpack after it has made a package: the Windows zip, the static
# program's tarball or the source tarball. cpack lists the files in the
# order the file system returns them, which differs between machines, stamps
# a zip's in the local time zone, and puts in a tarball every folder with its
# mode, which unpacking into /usr/local would then set on the folders there.
# Each archive is written again here: its files alone, sorted, every time
# stamp SOURCE_DATE_EPOCH (see before-packing.cmake), and a tarball's files
# owned by root.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.(zip|tar\\.gz)$")
    continue()
  endif()
  # The files' names begin with the folder the archive unpacks into, if any.
  set(root "${CPACK_TOPLEVEL_DIRECTORY}")
  if(DEFINED CPACK_INCLUDE_TOPLEVEL_DIRECTORY AND NOT CPACK_INCLUDE_TOPLEVEL_DIRECTORY)
    set(root "${CPACK_TEMPORARY_DIRECTORY}")
  endif()
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${root}" "${CPACK_TEMPORARY_DIRECTORY}/*")
  list(SORT files)
  file(REMOVE "${package}")
  if(package MATCHES "\\.zip$")
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env TZ=UTC0 "${CMAKE_COMMAND}" -E tar cf "${package}" --format=zip
                            -- ${files}
                    WORKING_DIRECTORY "${root}" RESULTS_VARIABLE status)
  else()
    # GNU tar, as cmake's own writer records the builder's user.
    set(mtime)
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
      set(mtime --mtime=@$ENV{SOURCE_DATE_EPOCH})
    endif()
    execute_process(COMMAND tar --create --format=gnu --owner=0 --group=0 --numeric-owner ${mtime} --mode=go-w
                            -C "${root}" -- ${files}
                    COMMAND gzip -9n
                    OUTPUT_FILE "${package}" RESULTS_VARIABLE status)
  endif()
  if(NOT status MATCHES "^0(;0)*$")
    message(FATAL_ERROR "could not write ${package} again: ${status}")
  endif()
endforeach()
