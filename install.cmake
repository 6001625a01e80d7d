# What `cmake --install` puts where (GNUInstallDirs, so CMAKE_INSTALL_PREFIX
# and DESTDIR are honoured), and the Debian package CPack makes of it.
include(GNUInstallDirs)
set(VEXTON_APP_ID org.example.vextondof) # the desktop entry's, metainfo's and icon's name

install(TARGETS vextondof RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${VEXTON_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${VEXTON_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${VEXTON_APP_ID}.svg)
# A Debian package states the licence in its copyright file instead.
option(VEXTON_INSTALL_LICENSE "Install the LICENSE under share/doc" ON)
if(VEXTON_INSTALL_LICENSE)
    install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vextondof)
endif()
install(FILES data/vextondof.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME vextondof)

# Manual pages are installed compressed, as distributions keep them.
add_custom_command(OUTPUT vextondof.1.gz
    COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/data/vextondof.1 > vextondof.1.gz
    DEPENDS data/vextondof.1 VERBATIM)
add_custom_target(manpage ALL DEPENDS vextondof.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/vextondof.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vextondof)
set(CPACK_PACKAGE_VENDOR "The Vexton.DOF.CE developers")
set(CPACK_PACKAGE_CONTACT "The Vexton.DOF.CE developers <vextondof@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "depth-of-field calculator for photographers")
set(CPACK_PACKAGE_DESCRIPTION
    "Pick a camera or film format, a focal length, an aperture, a distance unit and a circle of confusion, type the subject distance and an optional close-up diopter, and read the near and far limits of sharp focus, the hyperfocal distance and the total depth of field.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.example.org/vextondof")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON) # the dependencies dpkg-shlibdeps finds
include(CPack)
