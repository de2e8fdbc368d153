# SPDX-License-Identifier: GPL-3.0-or-later
# Hands the project's version, its copyright line and the font licence to the
# program: a header and a source generated into the build tree, so the version
# set in project() is the one --version and the about box show.
set(QUINTARO_GENERATED_INCLUDE ${CMAKE_BINARY_DIR}/generated/include)
configure_file(${CMAKE_SOURCE_DIR}/cmake/version_config.h.in
               ${QUINTARO_GENERATED_INCLUDE}/version_config.h @ONLY)

# The Liberation Sans licence travels with the glyphs drawn from it.
set(FONT_LICENCE_FILE ${CMAKE_SOURCE_DIR}/LICENSES/OFL-1.1.txt)
file(READ ${FONT_LICENCE_FILE} QUINTARO_FONT_LICENCE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${FONT_LICENCE_FILE})
set(FONT_LICENCE_CPP ${CMAKE_BINARY_DIR}/generated/font_licence.cpp)
configure_file(${CMAKE_SOURCE_DIR}/cmake/font_licence.cpp.in ${FONT_LICENCE_CPP} @ONLY)
set(QUINTARO_GENERATED_SOURCES ${FONT_LICENCE_CPP})

# The manual page's date: "December 2026" for 2026-12-08.
string(REGEX MATCH "^([0-9]+)-([0-9]+)-[0-9]+$" _ ${QUINTARO_RELEASE_DATE})
set(MONTH_NAMES January February March April May June July August September October November December)
math(EXPR MONTH_INDEX "${CMAKE_MATCH_2} - 1")
list(GET MONTH_NAMES ${MONTH_INDEX} MONTH_NAME)
set(QUINTARO_RELEASE_MONTH "${MONTH_NAME} ${CMAKE_MATCH_1}")
