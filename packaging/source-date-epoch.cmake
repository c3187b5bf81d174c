# Read by cpack before it packs anything. Packages are reproducible: every
# time stamp in them is SOURCE_DATE_EPOCH, which the environment may set and
# which is otherwise the time of the last commit, so two builds of one commit
# give the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_TIMES_TABLE_SOURCE_DIR}" log -1 --format=%ct
                  OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE status)
  if(status EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} "${commit_time}")
  endif()
endif()
