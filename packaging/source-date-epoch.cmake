# SOURCE_DATE_EPOCH, the time every stamp of a reproducible build is: the
# environment's where it sets one, else the time of the last commit, read
# from git in a checkout and from the source tarball's record of it in an
# unpacked tarball. Empty where there is none of the three, as in a
# checkout copied to a machine without git, which builds all the same.
function(source_date_epoch result source)
  set(epoch "$ENV{SOURCE_DATE_EPOCH}")
  find_program(git_path git NO_CACHE NO_CMAKE_FIND_ROOT_PATH)
  if(epoch STREQUAL "" AND EXISTS "${source}/.git" AND NOT git_path)
    message(STATUS "git is not installed: the manual pages are dated today, not by the last commit")
  elseif(epoch STREQUAL "" AND EXISTS "${source}/.git")
    execute_process(COMMAND ${git_path} -C "${source}" log -1 --format=%ct OUTPUT_VARIABLE epoch
                    OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "git cannot say the time of the last commit in ${source} (${status})")
    endif()
  elseif(epoch STREQUAL "" AND EXISTS "${source}/packaging/source-date-epoch")
    file(STRINGS "${source}/packaging/source-date-epoch" epoch LIMIT_COUNT 1)
  endif()
  if(NOT epoch MATCHES "^[0-9]*$")
    message(FATAL_ERROR "Not a time for SOURCE_DATE_EPOCH: '${epoch}'")
  endif()
  set(${result} "${epoch}" PARENT_SCOPE)
endfunction()
