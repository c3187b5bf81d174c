# Where the program goes when installed, and the packages made of it: a Debian
# package on Linux, a zip on Windows (cpack in the build folder).
if(WIN32)
  # A zip to unpack and run: the program, its READMEs, its licence and the
  # notices of the runtime libraries linked into it, side by side.
  install(TARGETS times-table RUNTIME DESTINATION .)
  install(FILES README.md README.ko.md LICENSE packaging/windows/THIRD-PARTY-NOTICES.txt DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
  set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/sorted-zip.cmake)
else()
  include(GNUInstallDirs)
  install(TARGETS times-table RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  # Manual pages and the changelog go gzipped, as Debian wants them: -9, and
  # -n so that no file name or time stamp makes two builds differ.
  find_program(GZIP gzip REQUIRED)
  set(gzipped)
  foreach(file doc/times-table.1 doc/ko/times-table.1 packaging/debian/changelog)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
    get_filename_component(output_dir ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output} COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
                       COMMAND sh -c "\"$0\" -9n <\"$1\" >\"$2\"" ${GZIP} ${PROJECT_SOURCE_DIR}/${file} ${output}
                       DEPENDS ${file} VERBATIM)
    list(APPEND gzipped ${output})
  endforeach()
  add_custom_target(times-table-docs ALL DEPENDS ${gzipped})

  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/doc/times-table.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  # man shows this one under a Korean locale.
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/doc/ko/times-table.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ko/man1)
  # The licence travels as Debian's machine-readable copyright file.
  install(FILES packaging/debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/packaging/debian/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
  set(CPACK_GENERATOR DEB)
endif()

set(CPACK_PACKAGE_NAME times-table)
set(CPACK_PACKAGE_VENDOR "times-table developers")
set(CPACK_PACKAGE_CONTACT "times-table developers <developers@times-table.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "multiplication tables at the console, in Korean")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "A small interactive console program: type a whole number from 1 to 9\n"
       "and it prints that number's multiplication table, then asks again;\n"
       "0 ends it. Its texts are Korean, in the encoding of the user's locale.")
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_TIMES_TABLE_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/source-date-epoch.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(CMAKE_CROSSCOMPILING AND NOT WIN32)
  # cpack would name the build machine's architecture; the package is the target's.
  set(debian_architectures aarch64 arm64 x86_64 amd64)
  list(FIND debian_architectures ${CMAKE_SYSTEM_PROCESSOR} at)
  if(at GREATER_EQUAL 0)
    math(EXPR at "${at} + 1")
    list(GET debian_architectures ${at} CPACK_DEBIAN_PACKAGE_ARCHITECTURE)
  endif()
endif()

include(CPack)
