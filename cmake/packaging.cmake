# Installing: the program in bin/, its data in share/slidestone/ (the program looks for it at
# ../share/slidestone from its own folder, so the tree can be moved or staged with DESTDIR), and
# for desktops and software centres the menu entry, the metainfo, the icons and the man page.
# The text font is the system's; a copy in the data folder's fonts/ is read where it is missing.
include(GNUInstallDirs)

# The name desktops and software centres know the game by: the menu entry and the metainfo.
set(SLIDESTONE_APP_ID org.slidestone.Slidestone)

install(TARGETS slidestone DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/stage ${CMAKE_BINARY_DIR}/sound ${CMAKE_BINARY_DIR}/pictures
  DESTINATION ${CMAKE_INSTALL_DATADIR}/slidestone
  PATTERN ".stamp" EXCLUDE PATTERN "contact.png" EXCLUDE)

# The fallback copy of the text font, beside the data in the build folder and installed with it
# (in a component of its own: the Debian package depends on the font's package instead).
get_filename_component(TEXT_FONT_NAME ${TEXT_FONT} NAME)
set(FONT_COPY ${CMAKE_BINARY_DIR}/fonts/${TEXT_FONT_NAME})
if(EXISTS ${TEXT_FONT})
  add_custom_command(OUTPUT ${FONT_COPY}
    COMMAND ${CMAKE_COMMAND} -E copy ${TEXT_FONT} ${FONT_COPY}
    DEPENDS ${TEXT_FONT}
    COMMENT "Copying the text font for systems without it")
  add_custom_target(fallback_font ALL DEPENDS ${FONT_COPY})
  add_dependencies(slidestone fallback_font)
  install(FILES ${FONT_COPY} DESTINATION ${CMAKE_INSTALL_DATADIR}/slidestone/fonts COMPONENT fallback_font)
else()
  message(WARNING "${TEXT_FONT} is missing (scripts/install-deps installs it): no fallback copy is made")
endif()

# The menu entry names the program by its full path under the prefix chosen at install time
# (not DESTDIR, which is only a staging area), so it works whether or not that bin is on PATH.
install(CODE "
  set(exec \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/slidestone\")
  if(exec MATCHES \" \")
    set(exec \"\\\"\${exec}\\\"\")
  endif()
  file(READ \"${CMAKE_SOURCE_DIR}/packaging/slidestone.desktop.in\" entry)
  string(REPLACE \"@SLIDESTONE_EXEC@\" \"\${exec}\" entry \"\${entry}\")
  set(appdir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
  file(MAKE_DIRECTORY \"\${appdir}\")
  file(WRITE \"\${appdir}/${SLIDESTONE_APP_ID}.desktop\" \"\${entry}\")
  message(STATUS \"Installing: \${appdir}/${SLIDESTONE_APP_ID}.desktop\")
")

# The icon at every size, drawn by the picture generator in the icon theme's layout.
install(DIRECTORY ${ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

configure_file(${CMAKE_SOURCE_DIR}/packaging/slidestone.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${SLIDESTONE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${SLIDESTONE_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The documents, for players and stage authors, where the man page points.
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/slidestone)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/slidestone)

# The man page, compressed as man and the Debian tools expect it.
configure_file(${CMAKE_SOURCE_DIR}/packaging/slidestone.6.in ${CMAKE_BINARY_DIR}/packaging/slidestone.6 @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/packaging/slidestone.6.gz
  COMMAND gzip -9n -c ${CMAKE_BINARY_DIR}/packaging/slidestone.6 > ${CMAKE_BINARY_DIR}/packaging/slidestone.6.gz
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/slidestone.6)
add_custom_target(manpage ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/slidestone.6.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/slidestone.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
include(cmake/deb.cmake)
