# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a web page: quintaro.html, quintaro.js and quintaro.wasm,
# copied into QUINTARO_WEB_OUTPUT and nothing else beside them.
set(QUINTARO_WEB_OUTPUT ${CMAKE_SOURCE_DIR}/build-web CACHE PATH "Where the page, its script and its module go")
set(WEB_DIR ${CMAKE_SOURCE_DIR}/src/platform/web)

file(GLOB WEB_SOURCES CONFIGURE_DEPENDS ${WEB_DIR}/*.cpp)
add_library(quintaro_web STATIC ${WEB_SOURCES})
target_link_libraries(quintaro_web PUBLIC quintaro_platform quintaro_net)

set(QUINTARO_VERSION ${PROJECT_VERSION})
configure_file(${WEB_DIR}/quintaro_shell.html.in ${CMAKE_BINARY_DIR}/web/quintaro_shell.html @ONLY)

add_executable(quintaro src/app/main_web.cpp)
set_target_properties(quintaro PROPERTIES SUFFIX .html)
target_link_libraries(quintaro PRIVATE quintaro_core quintaro_web)

# The host's wait (quintaro_page_wait) is the one place the program hands the
# browser its turn. Every function that can be on the stack below it, found
# from the call graph (a call through a pointer counts as one that may wait),
# is instrumented to unwind and rewind; the frame path, which never waits, is
# left as it is: pictures, rendering, blitting and putting the window together.
set(WEB_ASYNCIFY_IMPORTS "['quintaro_page_wait']")
set(WEB_ASYNCIFY_REMOVE "['CDIB::*','*RenderRect*','*BlitRect*']")
set(WEB_ASYNCIFY_OPTIONS
  -sASYNCIFY=1
  "-sASYNCIFY_IMPORTS=${WEB_ASYNCIFY_IMPORTS}"
  "-sASYNCIFY_REMOVE=${WEB_ASYNCIFY_REMOVE}"
  -sASYNCIFY_STACK_SIZE=262144)
# The catalogs sit beside the page (locale-de.mo, ...); the page fetches the
# one it speaks before the program starts, into /locale.
include(${CMAKE_SOURCE_DIR}/cmake/Translations.cmake)
add_dependencies(quintaro quintaro_translations)
set(QUINTARO_WEB_CATALOG_COPIES "")
foreach(code de es fr he)
  list(APPEND QUINTARO_WEB_CATALOG_COPIES COMMAND ${CMAKE_COMMAND} -E copy
       ${CMAKE_BINARY_DIR}/locale/${code}/LC_MESSAGES/quintaro.mo ${QUINTARO_WEB_OUTPUT}/locale-${code}.mo)
endforeach()
# The shell, the games' flow and the online code are compiled for size: none
# of it is on the frame path or in the physics (the models and the toolkit's
# drawing stay fully optimised), and the download is held under 2 MB.
target_compile_options(quintaro_core PRIVATE -Os)
target_compile_options(quintaro_games PRIVATE -Os)
target_compile_options(quintaro_net PRIVATE -Os)
# The download is held under 2 MB gzipped: the smaller allocator (the
# program allocates little once a game runs), and binaryen's size passes run
# once more over the finished module.
target_link_options(quintaro PRIVATE ${WEB_ASYNCIFY_OPTIONS}
  -sMALLOC=emmalloc
  -sALLOW_MEMORY_GROWTH=1
  -sINITIAL_MEMORY=67108864
  -sTOTAL_STACK=5242880
  -sENVIRONMENT=web
  -sEXIT_RUNTIME=0
  -sMINIFY_HTML=0
  "-sEXPORTED_FUNCTIONS=['_main','_quintaro_web_event','_quintaro_web_audio_render','_quintaro_web_state']"
  "-sEXPORTED_RUNTIME_METHODS=['UTF8ToString']"
  --js-library=${WEB_DIR}/quintaro_page.js
  --js-library=${WEB_DIR}/quintaro_room_link.js
  -lwebsocket.js
  --pre-js=${WEB_DIR}/quintaro_pre.js
  --pre-js=${WEB_DIR}/quintaro_catalog_pre.js
  --shell-file=${CMAKE_BINARY_DIR}/web/quintaro_shell.html)
set_property(TARGET quintaro APPEND PROPERTY LINK_DEPENDS
  ${WEB_DIR}/quintaro.webmanifest ${WEB_DIR}/quintaro_sw.js.in
  ${WEB_DIR}/quintaro_page.js ${WEB_DIR}/quintaro_room_link.js ${WEB_DIR}/quintaro_pre.js ${WEB_DIR}/quintaro_catalog_pre.js
  ${CMAKE_BINARY_DIR}/web/quintaro_shell.html)

find_program(QUINTARO_WASM_OPT wasm-opt REQUIRED)
add_custom_command(TARGET quintaro POST_BUILD
  COMMAND ${QUINTARO_WASM_OPT} -Oz --enable-simd --enable-bulk-memory --enable-sign-ext --enable-mutable-globals
          --enable-nontrapping-float-to-int $<TARGET_FILE_DIR:quintaro>/quintaro.wasm -o $<TARGET_FILE_DIR:quintaro>/quintaro.wasm
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUINTARO_WEB_OUTPUT}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE_DIR:quintaro>/quintaro.html $<TARGET_FILE_DIR:quintaro>/quintaro.js
          $<TARGET_FILE_DIR:quintaro>/quintaro.wasm ${WEB_DIR}/quintaro.webmanifest
          ${QUINTARO_HOST_GENERATED}/web-icons/icon-32.png ${QUINTARO_HOST_GENERATED}/web-icons/icon-192.png
          ${QUINTARO_HOST_GENERATED}/web-icons/icon-512.png ${QUINTARO_WEB_OUTPUT}
  ${QUINTARO_WEB_CATALOG_COPIES}
  COMMAND ${CMAKE_COMMAND} -DOUT=${QUINTARO_WEB_OUTPUT} -DTEMPLATE=${WEB_DIR}/quintaro_sw.js.in -DVERSION=${PROJECT_VERSION}
          -P ${CMAKE_SOURCE_DIR}/cmake/WebServiceWorker.cmake
  COMMENT "Placing the page in ${QUINTARO_WEB_OUTPUT}")

# The frame path in WebAssembly, compiled and instrumented as the page's
# program is, run under node beside its native build (make web-bench).
add_executable(frame_path_wasm ${CMAKE_SOURCE_DIR}/bench/web/frame_path.cpp)
target_link_libraries(frame_path_wasm PRIVATE quintaro_core quintaro_web)
target_link_options(frame_path_wasm PRIVATE ${WEB_ASYNCIFY_OPTIONS} -sENVIRONMENT=node -sALLOW_MEMORY_GROWTH=1
  -sEXIT_RUNTIME=1 --js-library=${WEB_DIR}/quintaro_page.js)
set_target_properties(frame_path_wasm PROPERTIES SUFFIX .js EXCLUDE_FROM_ALL ON)

# The same without the instrumentation for waiting: what that costs.
add_executable(frame_path_wasm_plain ${CMAKE_SOURCE_DIR}/bench/web/frame_path.cpp)
target_link_libraries(frame_path_wasm_plain PRIVATE quintaro_core quintaro_web)
target_link_options(frame_path_wasm_plain PRIVATE -sENVIRONMENT=node -sALLOW_MEMORY_GROWTH=1
  -sEXIT_RUNTIME=1 --js-library=${WEB_DIR}/quintaro_page.js)
set_target_properties(frame_path_wasm_plain PROPERTIES SUFFIX .js EXCLUDE_FROM_ALL ON)

# The headless driver in WebAssembly, run under node: the same scripted game
# as the desktop driver plays, computed by the page's compiler and runtime
# (make test-web compares the two end states).
file(GLOB WEB_DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/headless/*.cpp)
add_executable(quintaro-headless-wasm ${WEB_DRIVER_SOURCES} ${CMAKE_SOURCE_DIR}/tools/headless/web/png_none.cpp
  ${CMAKE_SOURCE_DIR}/tools/headless/web/transport_none.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/glyph_fallback_none.cpp)
target_include_directories(quintaro-headless-wasm PRIVATE ${CMAKE_SOURCE_DIR}/tools/headless)
target_link_libraries(quintaro-headless-wasm PRIVATE quintaro_core)
target_link_options(quintaro-headless-wasm PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1
  -sEXIT_RUNTIME=1 -sTOTAL_STACK=5242880)
set_target_properties(quintaro-headless-wasm PROPERTIES SUFFIX .js EXCLUDE_FROM_ALL ON)

# The page's room connection on its own, opened, fed and read by the page
# tests in the browser against a local room server (make test-web).
add_executable(web_transport_check ${CMAKE_SOURCE_DIR}/tools/web/transport_check.cpp)
target_link_libraries(web_transport_check PRIVATE quintaro_web)
target_link_options(web_transport_check PRIVATE -sENVIRONMENT=web -sEXIT_RUNTIME=0 -sMINIFY_HTML=0 -sALLOW_MEMORY_GROWTH=1 -lwebsocket.js
  --js-library=${WEB_DIR}/quintaro_page.js --js-library=${WEB_DIR}/quintaro_room_link.js
  "-sEXPORTED_FUNCTIONS=['_main','_malloc','_free','_link_open','_link_send','_link_close','_link_poll','_link_default_url']"
  "-sEXPORTED_RUNTIME_METHODS=['UTF8ToString','stringToUTF8','lengthBytesUTF8']")
set_target_properties(web_transport_check PROPERTIES SUFFIX .html EXCLUDE_FROM_ALL ON)
