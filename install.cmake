# Where the program goes when installed, and the packages made of it: a Debian
# package on Linux, a zip on Windows (cpack in the build folder).
if(WIN32)
  # A zip to unpack and run: the program and its README side by side.
  install(TARGETS times-table RUNTIME DESTINATION .)
  install(FILES README.md DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
else()
  include(GNUInstallDirs)
  install(TARGETS times-table RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES doc/times-table.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
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
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
