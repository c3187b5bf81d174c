# Run by cpack once it has put a package's files into its staging folder,
# before it packs them. The folders it made there have the builder's umask
# in their modes, and a .deb records them: dpkg would make /usr/share/doc/
# times-table readable by root alone for a builder with umask 077. Every
# folder and file is made readable by all and writable by its owner alone,
# and executable by all where it was by anyone, so that no builder's umask
# reaches a package.
execute_process(COMMAND chmod -R u=rwX,go=rX "${CPACK_TEMPORARY_DIRECTORY}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "could not set the modes in ${CPACK_TEMPORARY_DIRECTORY}")
endif()
