# Makes the web build's files from its module (times-table.js), run with
# cmake -P by the build:
#
#   times-table.html        the page: one file, the module, its scripts and
#                           styles inside, to open from a file or a server
#   site/                   the page as index.html, installable, with its
#                           manifest, service worker and icons: the web zip
#   times-table-node.js     the module at the command line, in Node.js
#
#   cmake -DSOURCE_DIR=... -DMODULE=... -DOUTPUT_DIR=... -DTERSER=... -DNODE_MODULES=... -P web-page.cmake
cmake_minimum_required(VERSION 3.25)  # for its policies: "@MODULE@" is plain text
foreach(variable SOURCE_DIR MODULE OUTPUT_DIR TERSER NODE_MODULES)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "web-page.cmake needs -D${variable}=...")
  endif()
endforeach()
set(web ${SOURCE_DIR}/src/web)

# The module and the page's script as the page holds them, minified: in
# WebKit, reading their comments, spaces and long names is a good part of
# the page's start.
function(read_minified variable file)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=${NODE_MODULES} ${TERSER} ${file} --compress --mangle
                  OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()
read_minified(module ${MODULE})
read_minified(page_script ${web}/page.js)
# A script inside the page ends at the first "</script", wherever it is.
foreach(script module page_script)
  string(TOLOWER "${${script}}" lower)
  if(lower MATCHES "</script")
    message(FATAL_ERROR "${script} holds </script, which would end it inside the page")
  endif()
endforeach()

# The page compiles the module's WebAssembly itself, from the one data: URL
# that holds it (page.js).
string(REGEX MATCHALL "base64,[A-Za-z0-9+/]" binaries "${module}")
list(LENGTH binaries binaries)
if(NOT binaries EQUAL 1)
  message(FATAL_ERROR "the module holds ${binaries} data: URLs of WebAssembly, not one, for page.js to compile")
endif()

# The icon's drawing as the page's own, in a data: URL: no file to fetch.
file(READ ${SOURCE_DIR}/packaging/icons/times-table.svg icon)
string(REGEX REPLACE "<\\?xml[^>]*>|<!--([^-]|-[^-])*-->" "" icon "${icon}")
string(REGEX REPLACE "[ \n]+" " " icon "${icon}")
string(STRIP "${icon}" icon)
foreach(pair "%:%25" "#:%23" "<:%3C" ">:%3E" "\":'" " :%20")
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 from)
  list(GET pair 1 to)
  string(REPLACE "${from}" "${to}" icon "${icon}")
endforeach()

function(write_page path installable)
  file(READ ${web}/page.html.in page)
  set(attribute "")
  if(installable)
    set(attribute " data-installable")
  endif()
  string(REPLACE "@INSTALLABLE@" "${attribute}" page "${page}")
  string(REPLACE "@ICON@" "${icon}" page "${page}")
  # The scripts last, so that nothing in them is taken for a name to fill in.
  string(REPLACE "@PAGE@" "${page_script}" page "${page}")
  string(REPLACE "@MODULE@" "${module}" page "${page}")
  file(WRITE ${path} "${page}")
endfunction()

write_page(${OUTPUT_DIR}/times-table.html OFF)

set(site ${OUTPUT_DIR}/site)
file(REMOVE_RECURSE ${site})
write_page(${site}/index.html ON)
configure_file(${web}/manifest.webmanifest.in ${site}/manifest.webmanifest COPYONLY)
file(COPY ${SOURCE_DIR}/packaging/icons/web/ DESTINATION ${site})
# The service worker keeps every file beside it, under a name that changes
# with any of them.
file(GLOB kept RELATIVE ${site} ${site}/*)
list(SORT kept)
set(FILES "")
set(hashes "")
foreach(file IN LISTS kept)
  file(SHA256 ${site}/${file} hash)
  string(APPEND hashes "${hash} ${file}\n")
  string(APPEND FILES "'${file}', ")
endforeach()
string(REGEX REPLACE ", $" "" FILES "${FILES}")
string(SHA256 FILES_HASH "${hashes}")
string(SUBSTRING ${FILES_HASH} 0 16 FILES_HASH)
configure_file(${web}/service-worker.js.in ${site}/service-worker.js @ONLY)

file(READ ${web}/node.js node_script)
file(WRITE ${OUTPUT_DIR}/times-table-node.js "#!/usr/bin/env node\n${module}\n${node_script}")
file(CHMOD ${OUTPUT_DIR}/times-table-node.js PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
           GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
