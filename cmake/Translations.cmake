# SPDX-License-Identifier: GPL-3.0-or-later
# The translations: po/<code>.po compiled with msgfmt into the layout gettext
# reads, build/locale/<code>/LC_MESSAGES/quintaro.mo, where the program finds
# them beside itself in the build tree; installed in share/locale.
include(GNUInstallDirs)
find_program(MSGFMT_EXECUTABLE msgfmt REQUIRED)
file(GLOB QUINTARO_PO_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/po/*.po)
set(QUINTARO_MO_FILES)
foreach(po ${QUINTARO_PO_FILES})
  get_filename_component(code ${po} NAME_WE)
  set(mo ${CMAKE_BINARY_DIR}/locale/${code}/LC_MESSAGES/quintaro.mo)
  add_custom_command(OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/locale/${code}/LC_MESSAGES
    COMMAND ${MSGFMT_EXECUTABLE} --check --output-file=${mo} ${po}
    DEPENDS ${po}
    COMMENT "Compiling the ${code} translation")
  list(APPEND QUINTARO_MO_FILES ${mo})
  install(FILES ${mo} DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${code}/LC_MESSAGES)
endforeach()
add_custom_target(quintaro_translations ALL DEPENDS ${QUINTARO_MO_FILES})
# The installed catalogs; a build tree's own are found beside the program.
target_compile_definitions(quintaro_platform PRIVATE QUINTARO_LOCALEDIR="${CMAKE_INSTALL_FULL_LOCALEDIR}")
