# Installing like any desktop program: the binary, a desktop entry, hicolor
# icons drawn at build time, AppStream metainfo and a manual page, in the
# places GNUInstallDirs names; and a Debian package made by CPack.
include(GNUInstallDirs)

set(QUINTARO_APP_ID com.orvane.Quintaro)
set(QUINTARO_VERSION ${PROJECT_VERSION})

# The icons are painted by the art generator's own code, at every size.
add_executable(quintaro-icons ${CMAKE_SOURCE_DIR}/tools/icons/main.cpp)
target_link_libraries(quintaro-icons PRIVATE quintaro_art ZLIB::ZLIB)
set(ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(ICON_STAMP ${ICON_DIR}/hicolor/256x256/apps/quintaro.png)
add_custom_command(OUTPUT ${ICON_STAMP}
  COMMAND quintaro-icons ${ICON_DIR}
  DEPENDS quintaro-icons
  COMMENT "Painting the desktop icons")
add_custom_target(quintaro_desktop_icons ALL DEPENDS ${ICON_STAMP})

configure_file(${CMAKE_SOURCE_DIR}/packaging/${QUINTARO_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${QUINTARO_APP_ID}.metainfo.xml @ONLY)

install(TARGETS quintaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${QUINTARO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${QUINTARO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
# The manual page goes in compressed, as Debian's packages have them.
set(MAN_PAGE ${CMAKE_BINARY_DIR}/packaging/quintaro.6.gz)
add_custom_command(OUTPUT ${MAN_PAGE}
  COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_SOURCE_DIR}/packaging/quintaro.6 -DOUT=${MAN_PAGE}
          -P ${CMAKE_SOURCE_DIR}/cmake/GzipFile.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/quintaro.6
  COMMENT "Compressing the manual page")
add_custom_target(quintaro_manual ALL DEPENDS ${MAN_PAGE})
install(FILES ${MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_CONTACT "Orvane <games@orvane.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Six table-top sports games for one to four players")
set(CPACK_PACKAGE_DESCRIPTION
    "Air hockey, basketball, bowling, darts, football and pool in one window,\n\
drawn in the 256-colour style of the nineties. One to four players share the\n\
mouse in turn and the computer can take any seat.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.orvane.com/quintaro)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The libraries the program links (SDL2, zlib, the C++ runtime) become the
# package's dependencies; without dpkg-shlibdeps, Debian 12's names.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0 (>= 2.0.16), zlib1g, libstdc++6 (>= 12), libc6 (>= 2.36)")
endif()
include(CPack)

# The screenshots the metainfo names, for publishing beside it.
set(SHOT_DIR ${CMAKE_BINARY_DIR}/screenshots)
add_custom_command(OUTPUT ${SHOT_DIR}/title.png ${SHOT_DIR}/darts.png ${SHOT_DIR}/pool.png ${SHOT_DIR}/bowling.png
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SHOT_DIR}
  COMMAND quintaro-headless ${CMAKE_SOURCE_DIR}/packaging/screenshots.qts --shots ${SHOT_DIR} > ${SHOT_DIR}/transcript.txt
  DEPENDS quintaro-headless ${CMAKE_SOURCE_DIR}/packaging/screenshots.qts
  COMMENT "Taking the screenshots for the metainfo")
add_custom_target(quintaro_screenshots ALL DEPENDS ${SHOT_DIR}/title.png ${SHOT_DIR}/darts.png ${SHOT_DIR}/pool.png
                                                   ${SHOT_DIR}/bowling.png)
