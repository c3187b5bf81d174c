# Where the program goes when installed, and the packages made of it (cpack
# in the build folder): a Debian package on Linux, a tarball for any Linux
# of the static program, a zip and an installer on Windows, a zip of the web
# page to open or to put on a web server; and, from any build folder, the
# source tarball (cpack --config CPackSourceConfig.cmake).
if(WIN32)
  # A zip to unpack and run, and an installer: the program, a README for
  # Windows users, the licence and the notices of the runtime libraries
  # linked into it, side by side. The texts have CR LF line ends, and those
  # with Korean in them a byte order mark, so that Notepad shows them right
  # on every Windows.
  install(TARGETS times-table RUNTIME DESTINATION .)
  configure_file(packaging/windows/README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
  configure_file(LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
  configure_file(packaging/windows/THIRD-PARTY-NOTICES.txt THIRD-PARTY-NOTICES.txt @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
                ${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt DESTINATION .)
  # The installer's script is the project's own (packaging/windows/NSIS.template.in).
  set(CPACK_GENERATOR ZIP NSIS)
  set(CPACK_SYSTEM_NAME win64)
  list(APPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)
elseif(EMSCRIPTEN)
  # The page as index.html, installable and offline from a web server, with
  # its manifest, service worker and icons (cmake/web-page.cmake).
  install(DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/site/ DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME web)
else()
  include(GNUInstallDirs)
  install(TARGETS times-table RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  # The changelog's newest entry must be for the project's version. The
  # manual pages and the AppStream metadata give the day of the source's
  # time, as the packages' stamps do (today's where it has none).
  file(READ packaging/debian/changelog changelog)
  if(NOT changelog MATCHES "^times-table \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/debian/changelog's newest entry is not for version ${PROJECT_VERSION}")
  endif()
  include(packaging/source-date-epoch.cmake)
  source_date_epoch(epoch ${PROJECT_SOURCE_DIR})
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
  string(TIMESTAMP RELEASE_DATE "%Y-%m-%d" UTC)

  # Manual pages and the changelog go gzipped, as Debian wants them: -9, and
  # -n so that no file name or time stamp makes two builds differ.
  find_program(GZIP gzip REQUIRED)
  set(gzipped)
  configure_file(doc/times-table.1.in doc/times-table.1 @ONLY)
  configure_file(doc/ko/times-table.1.in doc/ko/times-table.1 @ONLY)
  foreach(file doc/times-table.1 doc/ko/times-table.1 packaging/debian/changelog)
    set(input ${CMAKE_CURRENT_BINARY_DIR}/${file})
    if(NOT EXISTS ${input})
      set(input ${PROJECT_SOURCE_DIR}/${file})
    endif()
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
    get_filename_component(output_dir ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output} COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
                       COMMAND sh -c "\"$0\" -9n <\"$1\" >\"$2\"" ${GZIP} ${input} ${output}
                       DEPENDS ${input} VERBATIM)
    list(APPEND gzipped ${output})
  endforeach()
  add_custom_target(times-table-docs ALL DEPENDS ${gzipped})

  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/doc/times-table.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  # man shows this one under a Korean locale.
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/doc/ko/times-table.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ko/man1)

  # The processor as Linux names it (x86_64, aarch64) and as Debian does
  # (amd64, arm64): CMAKE_SYSTEM_PROCESSOR may hold either.
  string(TOLOWER "${CMAKE_SYSTEM_PROCESSOR}" processor)
  if(processor MATCHES "^(x86_64|amd64)$")
    set(linux_architecture x86_64)
    set(debian_architecture amd64)
  elseif(processor MATCHES "^(aarch64|arm64)$")
    set(linux_architecture aarch64)
    set(debian_architecture arm64)
  else()
    set(linux_architecture ${processor})
    set(debian_architecture ${processor})
  endif()

  if(TIMES_TABLE_STATIC)
    # A tarball for any Linux, which unpacks into /usr/local or ~/.local as
    # it is: the program, its pages, and beside the READMEs, the guides they
    # link to and the licence the notices of the libraries linked into it.
    configure_file(packaging/linux/THIRD-PARTY-NOTICES.txt.in THIRD-PARTY-NOTICES.txt @ONLY)
    install(FILES README.md README.ko.md LICENSE ${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt
            DESTINATION ${CMAKE_INSTALL_DOCDIR})
    install(FILES doc/packaging.md doc/performance.md doc/testing.md doc/web.md doc/windows.md
            DESTINATION ${CMAKE_INSTALL_DOCDIR}/doc)
    set(CPACK_GENERATOR TGZ)
    set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-linux-${linux_architecture})
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  else()
    # The licence travels as Debian's machine-readable copyright file.
    install(FILES packaging/debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/packaging/debian/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DOCDIR})
    # Desktops list it in their applications menu, which starts it in a
    # terminal, with its icon in every size of the hicolor theme (made by
    # tools/make-icons); software centres from its AppStream metadata.
    install(FILES packaging/linux/times-table.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    set(metainfo invalid.times_table.times_table.metainfo.xml)
    configure_file(packaging/linux/times-table.metainfo.xml.in ${metainfo} @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(DIRECTORY packaging/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
    install(FILES packaging/icons/times-table.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    set(CPACK_GENERATOR DEB)
    if(CMAKE_CROSSCOMPILING)
      # cpack would name the build machine's architecture; the package is the target's.
      set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${debian_architecture})
    endif()
  endif()
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
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/before-packing.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/open-modes.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/sorted-archives.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# The source as it stands, in the folder it unpacks into, without what
# builds and git keep beside it in the checkout.
string(REGEX REPLACE "([][+.*?()^$|\\\\])" "\\\\\\1" source_dir "${PROJECT_SOURCE_DIR}")
set(CPACK_VERBATIM_VARIABLES ON)  # the patterns below reach cpack as they stand
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION})
set(CPACK_SOURCE_IGNORE_FILES "^${source_dir}/(\\.git|build|dist)/" "~$" "\\.swp$")

include(CPack)
