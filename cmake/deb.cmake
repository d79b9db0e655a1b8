# The Debian package, made by `cpack -G DEB` in a build configured for it; scripts/package does
# both and checks the result with lintian. A game's program goes in /usr/games there (Debian's
# rule for the games section), its data in /usr/share/slidestone, found from /usr/games/.. as
# from any bin/.. .

# What Debian keeps beside every package: the licence and the history, compressed.
set(SLIDESTONE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/slidestone)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${SLIDESTONE_DOC_DIR})
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/changelog > ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog)
add_custom_target(changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${SLIDESTONE_DOC_DIR})
# ./play builds only the program; what installing it needs comes with it.
add_dependencies(slidestone manpage changelog)

# Folders 0755 whatever the umask of whoever builds the package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PACKAGE_NAME slidestone)
set(CPACK_PACKAGE_VENDOR "The Slidestone developers")
set(CPACK_PACKAGE_CONTACT "The Slidestone developers <slidestone@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "action puzzle: steer a sliding granite stone to its goal")
# The first line of the package description is the summary above; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A granite stone slides by itself along the floors of a play field of toy
blocks. You never touch it: you walk, jump, drop through floors, ride pipes
and change the field with a hammer, a broom and a spring, so that the stone
reaches the goal before its speed runs out. Eighteen stages, three levels,
house-shot scenes on a sheet of ice, a saved high score and a stage editor.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries from what the program links (dpkg-shlibdeps); the font it reads at run time.
# The music is finished Ogg files, so no synthesiser or soundfont is needed to play.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
# Everything but the fallback copy of the font, which the dependency above makes needless.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_GENERATOR DEB)
# A package with the program outside /usr/games is refused rather than made wrong.
configure_file(${CMAKE_SOURCE_DIR}/packaging/cpack-checks.cmake.in
  ${CMAKE_BINARY_DIR}/packaging/cpack-checks.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/packaging/cpack-checks.cmake)
include(CPack)
