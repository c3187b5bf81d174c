# The web build: times-table.js, one module that a page and Node.js both
# load, and what cmake/web-page.cmake makes of it. The WebAssembly is inside
# the module, as a page opened from a file may load nothing beside it.
# Compiled asynchronously, as Chromium before 115 refuses to compile a module
# of over 4 KB on the page's thread; the page compiles it at once itself
# where the engine allows (page.js). The oldest engines named are those the
# page is for, so that the module holds nothing they cannot run. No file
# system (the program opens no file), and 1 MiB of memory: two 64 KiB blocks
# and a stack. Of what a page hands the module it reads only instantiateWasm,
# and it decodes text with the engine's TextDecoder: less code to load.
set(host_library ${PROJECT_SOURCE_DIR}/src/web/host.js)

# Asyncify lets the one read wait on a promise without blocking the page. It
# rewrites only the functions on the stack while the program waits for
# input, from main down to the device's read: rewriting every function that
# might be (all that call through a pointer or may throw) made the module
# half as large again and the page slower to start. A function put between
# them must be named here: without it the web tests fail at the first read,
# and the linker warns of a name that matches none.
set(waiting main run_times_table* BufferedConsole::next_number* NumberReader::has_byte* *BufferedConsole::next_chunk*
            *WebDevice::read*)
list(JOIN waiting "','" waiting)

target_link_options(
  times-table PRIVATE -fexceptions -sASYNCIFY "-sASYNCIFY_IMPORTS=['times_table_host_read']"
  "-sASYNCIFY_ONLY=['${waiting}']" -sMODULARIZE -sEXPORT_NAME=createTimesTable -sENVIRONMENT=web,node -sSINGLE_FILE
  -sINVOKE_RUN=0 -sFILESYSTEM=0 -sMIN_CHROME_VERSION=70 -sMIN_FIREFOX_VERSION=68 -sMIN_SAFARI_VERSION=120000
  -sMALLOC=emmalloc -sINITIAL_MEMORY=1MB -sTOTAL_STACK=64KB "-sINCOMING_MODULE_JS_API=['instantiateWasm']"
  -sTEXTDECODER=2 "-sEXPORTED_FUNCTIONS=['_main']" "-sEXPORTED_RUNTIME_METHODS=['ccall']" --js-library ${host_library})
set_property(TARGET times-table APPEND PROPERTY LINK_DEPENDS ${host_library})

# Emscripten's linker runs Debian's node-acorn, which this Node.js does not
# look for where Debian puts it.
find_path(NODE_MODULES acorn/package.json PATHS /usr/share/nodejs /usr/lib/nodejs NO_CMAKE_FIND_ROOT_PATH
          NO_DEFAULT_PATH)
if(NOT NODE_MODULES)
  message(FATAL_ERROR "acorn for Node.js is not installed (node-acorn on Debian: tools/install-dependencies)")
endif()
set_property(TARGET times-table PROPERTY RULE_LAUNCH_LINK "${CMAKE_COMMAND} -E env NODE_PATH=${NODE_MODULES}")
# The page's scripts are minified with Debian's terser, which needs the same.
find_program(TERSER terser)
if(NOT TERSER)
  message(FATAL_ERROR "terser is not installed (tools/install-dependencies)")
endif()

set(web_sources page.js page.html.in node.js service-worker.js.in manifest.webmanifest.in)
list(TRANSFORM web_sources PREPEND ${PROJECT_SOURCE_DIR}/src/web/)
file(GLOB web_icons ${PROJECT_SOURCE_DIR}/packaging/icons/web/*.png)
add_custom_command(
  OUTPUT times-table.html times-table-node.js site/index.html
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DMODULE=$<TARGET_FILE:times-table>
          -DOUTPUT_DIR=${CMAKE_CURRENT_BINARY_DIR} -DTERSER=${TERSER} -DNODE_MODULES=${NODE_MODULES} -P
          ${PROJECT_SOURCE_DIR}/cmake/web-page.cmake
  DEPENDS times-table ${PROJECT_SOURCE_DIR}/cmake/web-page.cmake ${web_sources} ${web_icons}
          ${PROJECT_SOURCE_DIR}/packaging/icons/times-table.svg
  VERBATIM)
add_custom_target(times-table-page ALL DEPENDS times-table.html times-table-node.js site/index.html)
