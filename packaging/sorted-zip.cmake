# Run by cpack after it has made the Windows zip. cpack lists the files in
# the order the file system returns them, which differs between machines,
# and stamps them in the local time zone: the zip is written again here, its
# files sorted, in UTC. Its writer, like cpack's, takes every time stamp from
# SOURCE_DATE_EPOCH (see source-date-epoch.cmake).
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.zip$")
    continue()
  endif()
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${CPACK_TOPLEVEL_DIRECTORY}"
       "${CPACK_TEMPORARY_DIRECTORY}/*")
  list(SORT files)
  file(REMOVE "${package}")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env TZ=UTC0 "${CMAKE_COMMAND}" -E tar cf "${package}" --format=zip -- ${files}
                  WORKING_DIRECTORY "${CPACK_TOPLEVEL_DIRECTORY}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not write ${package} again: ${status}")
  endif()
endforeach()
