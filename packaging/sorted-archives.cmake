# Run by cpack after it has made a package. The Windows zip, the static
# program's tarball and the source tarball: cpack lists the files in the
# order the file system returns them, stamps a zip's in the local time zone
# and records in it the builder's user and group, and puts in a tarball
# every folder with its mode, which unpacking into /usr/local would then set
# on the folders there. Each archive is written again here: its files alone,
# sorted, every time stamp SOURCE_DATE_EPOCH (see before-packing.cmake),
# owned by root, and with the modes open-modes.cmake gives staged files.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.deb$")
    # A .deb's members are recorded with the modes cpack's own files got
    # from the builder's umask. GNU ar's deterministic mode writes them
    # again, in dpkg's order, as 0644 and owned by root.
    set(members "${CPACK_TOPLEVEL_DIRECTORY}/deb-members")
    file(REMOVE_RECURSE "${members}")
    file(MAKE_DIRECTORY "${members}")
    execute_process(COMMAND ar x "${package}" WORKING_DIRECTORY "${members}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "could not read ${package}: ${status}")
    endif()
    file(GLOB control RELATIVE "${members}" "${members}/control.tar.*")
    file(GLOB data RELATIVE "${members}" "${members}/data.tar.*")
    file(REMOVE "${package}")
    execute_process(COMMAND ar rcD "${package}" debian-binary ${control} ${data} WORKING_DIRECTORY "${members}"
                    RESULTS_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "could not write ${package} again: ${status}")
    endif()
    continue()
  elseif(NOT package MATCHES "\\.(zip|tar\\.gz)$")
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
    # Info-ZIP, as cmake's own writer records the builder's user and group.
    # -X leaves out every extra field (owner, Unix times); the one time
    # stamp left is the files', in UTC. Their modes are open-modes.cmake's.
    execute_process(COMMAND find "${CPACK_TEMPORARY_DIRECTORY}" -type f -exec touch -d @$ENV{SOURCE_DATE_EPOCH} {} +)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env TZ=UTC0 zip -X -D -q -9 "${package}" -- ${files}
                    WORKING_DIRECTORY "${root}" RESULTS_VARIABLE status)
  else()
    execute_process(COMMAND tar --create --format=gnu --owner=0 --group=0 --numeric-owner
                            --mtime=@$ENV{SOURCE_DATE_EPOCH} --mode=u=rwX,go=rX -C "${root}" -- ${files}
                    COMMAND gzip -9n
                    OUTPUT_FILE "${package}" RESULTS_VARIABLE status)
  endif()
  if(NOT status MATCHES "^0(;0)*$")
    message(FATAL_ERROR "could not write ${package} again: ${status}")
  endif()
endforeach()
