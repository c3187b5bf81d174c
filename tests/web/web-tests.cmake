# The web build's tests, from tests/CMakeLists.txt: its Node.js form end to
# end, on the cases every build answers in UTF-8, and its page in headless
# Chromium. The unit tests run on the native builds, of the same sources.
find_program(BASH bash REQUIRED)
set(e2e_dir ${CMAKE_CURRENT_SOURCE_DIR}/e2e)
set(e2e ${BASH} ${e2e_dir}/run-cases.sh)
set(program ${CMAKE_CROSSCOMPILING_EMULATOR} ${CMAKE_BINARY_DIR}/times-table-node.js)
add_test(NAME e2e.utf8 COMMAND ${e2e} --env "" --texts utf8 -- ${program})
add_test(NAME e2e.io-failures COMMAND ${BASH} ${e2e_dir}/run-io-failures.sh --node --texts utf8 -- ${program})
add_test(NAME e2e.large-inputs COMMAND ${BASH} ${e2e_dir}/run-large-inputs.sh --texts utf8 -- ${program})
add_test(NAME e2e.nonblocking-streams COMMAND ${BASH} ${e2e_dir}/run-nonblocking.sh --texts utf8 -- ${program})
set_tests_properties(e2e.large-inputs PROPERTIES TIMEOUT 600)

# The browser test's packages, from the committed lockfile, into the build
# folder, npm's cache and logs too.
set(npm_prefix ${CMAKE_BINARY_DIR}/npm)
add_test(NAME web.packages COMMAND ${BASH} ${CMAKE_CURRENT_SOURCE_DIR}/web/install-packages.sh ${npm_prefix})
set_tests_properties(web.packages PROPERTIES FIXTURES_SETUP web-packages SKIP_RETURN_CODE 77 TIMEOUT 300)

find_program(CHROMIUM chromium)
if(CHROMIUM)
  add_test(NAME web.browser COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=${npm_prefix}/node_modules
                                    ${CMAKE_CROSSCOMPILING_EMULATOR} ${CMAKE_CURRENT_SOURCE_DIR}/web/run-browser-test.cjs
                                    ${CMAKE_BINARY_DIR} ${CMAKE_CPACK_COMMAND} ${CHROMIUM})
else()
  # Says so, and fails under CI.
  add_test(NAME web.browser COMMAND ${BASH} -c ". \"$0\"; skip_test 'chromium is not installed: the page is not tried'"
                                            ${CMAKE_CURRENT_SOURCE_DIR}/lib.sh)
endif()
set_tests_properties(web.browser PROPERTIES FIXTURES_REQUIRED web-packages SKIP_RETURN_CODE 77 TIMEOUT 300)
