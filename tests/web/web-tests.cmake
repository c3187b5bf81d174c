# The web build's tests, from tests/CMakeLists.txt: its Node.js form end to
# end, on the cases every build answers in UTF-8; its page in Chromium 70
# and today's, Firefox and WebKitGTK (Safari's engine); its scripts and
# styles against the oldest browsers it is for; its HTML in the Nu Html
# Checker. The unit tests run on the native builds, of the same sources.
find_program(BASH bash REQUIRED)
find_program(NODE node REQUIRED)
set(e2e_dir ${CMAKE_CURRENT_SOURCE_DIR}/e2e)
set(e2e ${BASH} ${e2e_dir}/run-cases.sh)
set(program ${CMAKE_CROSSCOMPILING_EMULATOR} ${CMAKE_BINARY_DIR}/times-table-node.js)
add_test(NAME e2e.utf8 COMMAND ${e2e} --env "" --texts utf8 -- ${program})
add_test(NAME e2e.io-failures COMMAND ${BASH} ${e2e_dir}/run-io-failures.sh --node --texts utf8 -- ${program})
add_test(NAME e2e.large-inputs COMMAND ${BASH} ${e2e_dir}/run-large-inputs.sh --node --texts utf8 -- ${program})
add_test(NAME e2e.nonblocking-streams COMMAND ${BASH} ${e2e_dir}/run-nonblocking.sh --node --texts utf8 -- ${program})
set_tests_properties(e2e.large-inputs PROPERTIES TIMEOUT 600)

# The tests' npm packages, from the committed lockfile, into the build
# folder, npm's cache and logs too.
set(npm_prefix ${CMAKE_BINARY_DIR}/npm)
add_test(NAME web.packages COMMAND ${BASH} ${CMAKE_CURRENT_SOURCE_DIR}/web/install-packages.sh ${npm_prefix})
set_tests_properties(web.packages PROPERTIES FIXTURES_SETUP web-packages SKIP_RETURN_CODE 77 TIMEOUT 300)
set(with_packages ${CMAKE_COMMAND} -E env NODE_PATH=${npm_prefix}/node_modules ${NODE})
# Says what is missing, and fails under CI.
set(missing ${BASH} -c ". \"$0\"; skip_test \"$1 is not installed: $2\"" ${CMAKE_CURRENT_SOURCE_DIR}/lib.sh)

add_test(NAME web.compatible COMMAND ${with_packages} ${CMAKE_CURRENT_SOURCE_DIR}/web/compat.cjs ${PROJECT_SOURCE_DIR}
                                     ${CMAKE_BINARY_DIR})
find_program(JAVA java)
if(JAVA)
  add_test(NAME web.valid-html COMMAND ${JAVA} -jar ${npm_prefix}/node_modules/vnu-jar/build/dist/vnu.jar
                                       --errors-only ${CMAKE_BINARY_DIR}/site/index.html
                                       ${CMAKE_BINARY_DIR}/times-table.html)
else()
  add_test(NAME web.valid-html COMMAND ${missing} java "the Nu Html Checker does not run")
endif()

# The page in each engine: WebKitGTK's MiniBrowser, which WebKitWebDriver
# drives, needs an X display, which xvfb-run gives it.
find_program(CHROMIUM chromium)
find_program(FIREFOX firefox-esr)
find_program(WEBKIT_DRIVER WebKitWebDriver)
find_program(XVFB_RUN xvfb-run)
file(GLOB mini_browser /usr/lib/*/webkit2gtk-4.*/MiniBrowser /usr/libexec/webkit2gtk-4.*/MiniBrowser)
set(browser_test ${with_packages} ${CMAKE_CURRENT_SOURCE_DIR}/web/run-browser-test.cjs ${CMAKE_BINARY_DIR}
                 ${CMAKE_CPACK_COMMAND})
# The web zip, unpacked for every engine's run; Chromium 70, the oldest the
# page is for, from an npm package (its libraries are Debian's chromium's).
add_test(NAME web.zip COMMAND ${browser_test} zip)
set_tests_properties(web.zip PROPERTIES FIXTURES_SETUP web-zip FIXTURES_REQUIRED web-packages)
add_test(NAME web.chromium70 COMMAND ${browser_test} chromium70
                                     ${npm_prefix}/node_modules/chrome-aws-lambda/bin/chromium-70.0.3508.0.br)
if(CHROMIUM)
  add_test(NAME web.chromium COMMAND ${browser_test} chromium ${CHROMIUM})
else()
  add_test(NAME web.chromium COMMAND ${missing} chromium "the page is not tried in Chromium")
endif()
if(FIREFOX)
  add_test(NAME web.firefox COMMAND ${browser_test} firefox ${FIREFOX})
else()
  add_test(NAME web.firefox COMMAND ${missing} firefox-esr "the page is not tried in Firefox")
endif()
if(WEBKIT_DRIVER AND XVFB_RUN AND mini_browser)
  list(GET mini_browser 0 mini_browser)
  add_test(NAME web.webkit COMMAND ${XVFB_RUN} -a ${browser_test} webkit ${WEBKIT_DRIVER}:${mini_browser})
else()
  add_test(NAME web.webkit COMMAND ${missing} "WebKitWebDriver, MiniBrowser or xvfb-run"
                                   "the page is not tried in WebKit")
endif()
set(web_tests web.compatible web.valid-html web.chromium70 web.chromium web.firefox web.webkit)
set_tests_properties(${web_tests} PROPERTIES FIXTURES_REQUIRED "web-packages;web-zip" SKIP_RETURN_CODE 77 TIMEOUT 600)
