# SPDX-License-Identifier: GPL-3.0-or-later
# Installing like any desktop program: the binary, a desktop entry, hicolor
# icons drawn at build time, AppStream metainfo, a manual page and the
# licences, in the places GNUInstallDirs names. Debian's packaging in debian/
# builds on this install (with the binary in /usr/games).
# The documentation goes in share/doc/quintaro, the package's name, unless
# -DCMAKE_INSTALL_DOCDIR says otherwise.
if(NOT CMAKE_INSTALL_DOCDIR)
  set(CMAKE_INSTALL_DOCDIR share/doc/quintaro)
endif()
include(GNUInstallDirs)

# The application id names the desktop entry, the metainfo and the icon.
set(QUINTARO_APP_ID com.orvane.quintaro)
set(QUINTARO_VERSION ${PROJECT_VERSION})

# The icons are painted by the art generator's own code, at every size.
add_executable(quintaro-icons ${CMAKE_SOURCE_DIR}/tools/icons/main.cpp)
target_link_libraries(quintaro-icons PRIVATE quintaro_art ZLIB::ZLIB)
set(ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(ICON_STAMP ${ICON_DIR}/hicolor/256x256/apps/${QUINTARO_APP_ID}.png)
add_custom_command(OUTPUT ${ICON_STAMP}
  COMMAND quintaro-icons ${ICON_DIR} ${QUINTARO_APP_ID}
  DEPENDS quintaro-icons
  COMMENT "Painting the desktop icons")
add_custom_target(quintaro_desktop_icons ALL DEPENDS ${ICON_STAMP})

configure_file(${CMAKE_SOURCE_DIR}/packaging/${QUINTARO_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${QUINTARO_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/quintaro.6.in ${CMAKE_BINARY_DIR}/packaging/quintaro.6 @ONLY)

install(TARGETS quintaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${QUINTARO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${QUINTARO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
# The manual page goes in compressed, as Debian's packages have them.
set(MAN_PAGE ${CMAKE_BINARY_DIR}/packaging/quintaro.6.gz)
add_custom_command(OUTPUT ${MAN_PAGE}
  COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_BINARY_DIR}/packaging/quintaro.6 -DOUT=${MAN_PAGE}
          -P ${CMAKE_SOURCE_DIR}/cmake/GzipFile.cmake
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/quintaro.6
  COMMENT "Compressing the manual page")
add_custom_target(quintaro_manual ALL DEPENDS ${MAN_PAGE})
install(FILES ${MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# Our licence, what each release brought, and the licence of the font whose
# glyphs are built into the program, side by side.
install(FILES ${CMAKE_SOURCE_DIR}/COPYING ${CMAKE_SOURCE_DIR}/NEWS DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/LICENSES/OFL-1.1.txt DESTINATION ${CMAKE_INSTALL_DOCDIR}
        RENAME LiberationSans-OFL-1.1.txt)

# The screenshots the metainfo names, for publishing beside it: optional,
# since nothing installs them.
if(QUINTARO_SCREENSHOTS)
  set(SHOT_DIR ${CMAKE_BINARY_DIR}/screenshots)
  set(SHOTS ${SHOT_DIR}/title.png ${SHOT_DIR}/darts.png ${SHOT_DIR}/pool.png ${SHOT_DIR}/bowling.png)
  add_custom_command(OUTPUT ${SHOTS}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${SHOT_DIR}
    COMMAND quintaro-headless ${CMAKE_SOURCE_DIR}/packaging/screenshots.qts --shots ${SHOT_DIR} > ${SHOT_DIR}/transcript.txt
    DEPENDS quintaro-headless ${CMAKE_SOURCE_DIR}/packaging/screenshots.qts
    COMMENT "Taking the screenshots for the metainfo")
  add_custom_target(quintaro_screenshots ALL DEPENDS ${SHOTS})
endif()

# The online rooms server and its manual page. Debian puts it in its own
# package, in /usr/bin, with a systemd unit (debian/quintaro-server.service).
if(QUINTARO_SERVER)
  if(NOT QUINTARO_SERVER_BINDIR)
    set(QUINTARO_SERVER_BINDIR ${CMAKE_INSTALL_BINDIR})
  endif()
  configure_file(${CMAKE_SOURCE_DIR}/packaging/quintaro-server.1.in ${CMAKE_BINARY_DIR}/packaging/quintaro-server.1 @ONLY)
  set(SERVER_MAN_PAGE ${CMAKE_BINARY_DIR}/packaging/quintaro-server.1.gz)
  add_custom_command(OUTPUT ${SERVER_MAN_PAGE}
    COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_BINARY_DIR}/packaging/quintaro-server.1 -DOUT=${SERVER_MAN_PAGE}
            -P ${CMAKE_SOURCE_DIR}/cmake/GzipFile.cmake
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/quintaro-server.1
    COMMENT "Compressing the server's manual page")
  add_custom_target(quintaro_server_manual ALL DEPENDS ${SERVER_MAN_PAGE})
  install(TARGETS quintaro-server RUNTIME DESTINATION ${QUINTARO_SERVER_BINDIR})
  install(FILES ${SERVER_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
