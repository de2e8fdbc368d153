# SPDX-License-Identifier: GPL-3.0-or-later
# The art generator paints every picture and synthesises every sound; the
# packer gathers its files into one blob that is linked into the program.
# Its painter, quantiser, writers and synthesiser form a library the tests use too.
if(QUINTARO_WEB)
  # The pack a native build generated: the painter runs on the build machine
  # (its sounds squeezed for the download).
  set(RES_PACK ${QUINTARO_HOST_GENERATED}/resources-web.pak)
  # Its size goes into the embedding: a new pack configures anew.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${RES_PACK})
else()
file(GLOB_RECURSE ASSETGEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/*.cpp)
list(FILTER ASSETGEN_SOURCES EXCLUDE REGEX "/assets/main\\.cpp$")
add_library(quintaro_art STATIC ${ASSETGEN_SOURCES})
target_include_directories(quintaro_art PUBLIC ${CMAKE_SOURCE_DIR}/assets ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(quintaro_art PUBLIC quintaro_fonts quintaro_title_regions quintaro_models)
# The generator runs at every art change; keep it quick in Debug trees too.
target_compile_options(quintaro_art PRIVATE $<$<CONFIG:Debug>:-O2>)
add_executable(quintaro-assetgen ${CMAKE_SOURCE_DIR}/assets/main.cpp)
# Whole: each family registers itself from a file nothing else calls into
# (the icons' PNG writer comes along, and with it zlib).
target_link_libraries(quintaro-assetgen PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,quintaro_art>" ZLIB::ZLIB)

add_executable(quintaro-respack ${CMAKE_SOURCE_DIR}/tools/respack/respack.cpp)
# Loudness and attack of every generated sound, for judging a change by numbers.
add_executable(quintaro-soundstats EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/soundstats/soundstats.cpp)
target_link_libraries(quintaro-soundstats PRIVATE quintaro_art)

set(RES_DIR ${CMAKE_BINARY_DIR}/res)
set(RES_PACK ${CMAKE_BINARY_DIR}/generated/resources.pak)
add_custom_command(OUTPUT ${RES_PACK}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${RES_DIR}
  COMMAND quintaro-assetgen ${RES_DIR}
  COMMAND quintaro-respack ${RES_DIR} ${RES_PACK}
  DEPENDS quintaro-assetgen quintaro-respack
  COMMENT "Generating art and sound")
endif()

set(RES_EMBED ${CMAKE_BINARY_DIR}/generated/resources_embed.cpp)
# WebAssembly names its data sections and sizes its symbols.
if(QUINTARO_WEB)
  file(SIZE ${RES_PACK} RES_PACK_SIZE)
  set(RES_SECTION ".section .rodata.quintaro_pack,\\\"\\\",@")
  set(RES_END ".size quintaro_resource_pack, ${RES_PACK_SIZE}\\n.size quintaro_resource_pack_end, 1\\n")
else()
  set(RES_SECTION ".section .rodata")
  set(RES_END ".previous\\n")
endif()
file(WRITE ${RES_EMBED}.in "// Generated: links the resource pack into the program.\n\
__asm__(\"${RES_SECTION}\\n.balign 16\\n.global quintaro_resource_pack\\nquintaro_resource_pack:\\n\
.incbin \\\"${RES_PACK}\\\"\\n.global quintaro_resource_pack_end\\nquintaro_resource_pack_end:\\n.byte 0\\n${RES_END}\");\n")
configure_file(${RES_EMBED}.in ${RES_EMBED} COPYONLY)
set_source_files_properties(${RES_EMBED} PROPERTIES OBJECT_DEPENDS ${RES_PACK})
if(QUINTARO_WEB)
  # The pack is data placed by the assembler: a real object even when the
  # rest is compiled for link-time optimisation.
  set_source_files_properties(${RES_EMBED} PROPERTIES COMPILE_OPTIONS -fno-lto)
endif()
add_library(quintaro_resources STATIC ${RES_EMBED} ${RES_PACK})
set_target_properties(quintaro_resources PROPERTIES LINKER_LANGUAGE CXX)
