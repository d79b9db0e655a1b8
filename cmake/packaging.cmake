# Installing: the program in bin/, its data in share/slidestone/ (the program looks for it at
# ../share/slidestone from its own folder, so the tree can be moved or staged with DESTDIR), and
# the desktop's menu entry and icon where desktops look for them. The text font is the system's.
include(GNUInstallDirs)

install(TARGETS slidestone DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/stage ${CMAKE_BINARY_DIR}/sound ${CMAKE_BINARY_DIR}/pictures
  DESTINATION ${CMAKE_INSTALL_DATADIR}/slidestone
  PATTERN ".stamp" EXCLUDE PATTERN "contact.png" EXCLUDE)

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
  file(WRITE \"\${appdir}/slidestone.desktop\" \"\${entry}\")
  message(STATUS \"Installing: \${appdir}/slidestone.desktop\")
")

install(FILES ${CMAKE_BINARY_DIR}/pictures/icon.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps RENAME slidestone.png)
