# Desktop integration for `cmake --install`: the game and its data stay together in
# lib/slidestone (the game finds its data beside its own executable); bin/slidestone is a
# relative symbolic link to it, and a menu entry and the icon go where desktops look for them.
include(GNUInstallDirs)

# The link is relative, so the installed tree can be moved or staged with DESTDIR.
file(RELATIVE_PATH SLIDESTONE_LINK_TARGET
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${GAME_INSTALL_DIR}/slidestone)
install(CODE "
  set(bindir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${bindir}\")
  file(REMOVE \"\${bindir}/slidestone\")
  file(CREATE_LINK \"${SLIDESTONE_LINK_TARGET}\" \"\${bindir}/slidestone\" SYMBOLIC)
  message(STATUS \"Installing: \${bindir}/slidestone -> ${SLIDESTONE_LINK_TARGET}\")
")

# The menu entry names the launcher by its full path under the prefix chosen at install time
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
  file(WRITE \"\${appdir}/slidestone.desktop\" \"\${entry}\")
  message(STATUS \"Installing: \${appdir}/slidestone.desktop\")
")

install(FILES ${CMAKE_BINARY_DIR}/pictures/icon.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps RENAME slidestone.png)
