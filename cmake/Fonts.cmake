# SPDX-License-Identifier: GPL-3.0-or-later
# Rasterises the Liberation Sans faces at build time into glyph atlases that
# are compiled into the program: no font loading at run time.
if(QUINTARO_WEB)
  # The atlases a native build rasterised (FreeType does not run here).
  add_library(quintaro_fonts STATIC ${QUINTARO_HOST_GENERATED}/fonts_web.cpp)
  target_include_directories(quintaro_fonts PUBLIC ${CMAKE_SOURCE_DIR}/src)
  # Each atlas is one long literal, which clang would warn of.
  target_compile_options(quintaro_fonts PRIVATE -Wno-overlength-strings)
  return()
endif()
file(GLOB FONTATLAS_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/fontatlas/*.cpp)
add_executable(quintaro-fontatlas ${FONTATLAS_SOURCES})
target_link_libraries(quintaro-fontatlas PRIVATE Freetype::Freetype)

# Liberation 2 (Debian: fonts-liberation2) is under the SIL Open Font License,
# which lets the glyphs travel inside a GPL program; Liberation 1 is not.
set(QUINTARO_LIBERATION2_DIR /usr/share/fonts/truetype/liberation2 CACHE PATH "Liberation 2 fonts")
# face:pixel-height pairs the program draws with (chrome, status line, score
# displays); the large sizes only draw the art's titles and need Latin-1 alone.
set(QUINTARO_FONT_SIZES
  regular:11 bold:11 regular:12 bold:12 regular:13 bold:13 regular:14 bold:14
  regular:16 bold:16 regular:18 bold:18 regular:20 bold:20 regular:24 bold:24
  bold:28:latin1 bold:32:latin1 bold:40:latin1 bold:48:latin1)
# Rasterises the faces at `sizes` into the C++ source `out`.
function(quintaro_font_atlases out comment)
  add_custom_command(OUTPUT ${out}
    COMMAND quintaro-fontatlas ${out} ${QUINTARO_LIBERATION2_DIR}/LiberationSans-Regular.ttf
            ${QUINTARO_LIBERATION2_DIR}/LiberationSans-Bold.ttf ${ARGN}
    DEPENDS quintaro-fontatlas
    COMMENT "${comment}")
endfunction()

set(FONTS_CPP ${CMAKE_BINARY_DIR}/generated/fonts_data.cpp)
quintaro_font_atlases(${FONTS_CPP} "Rasterising font atlases" ${QUINTARO_FONT_SIZES})
add_library(quintaro_fonts STATIC ${FONTS_CPP})

# The web page's atlases: the sizes the program draws with at run time, in
# western Latin only; the browser draws other scripts (a smaller download).
set(QUINTARO_WEB_FONT_SIZES)
foreach(size IN LISTS QUINTARO_FONT_SIZES)
  if(NOT size MATCHES ":latin1$")
    list(APPEND QUINTARO_WEB_FONT_SIZES ${size}:western)
  endif()
endforeach()
set(FONTS_WEB_CPP ${CMAKE_BINARY_DIR}/generated/fonts_web.cpp)
quintaro_font_atlases(${FONTS_WEB_CPP} "Rasterising the web page's font atlases" ${QUINTARO_WEB_FONT_SIZES})
target_include_directories(quintaro_fonts PUBLIC ${CMAKE_SOURCE_DIR}/src)
