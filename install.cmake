# What `cmake --install` puts where (GNUInstallDirs, so CMAKE_INSTALL_PREFIX
# and DESTDIR are honoured); debian/ makes the Debian package of it.
include(GNUInstallDirs)
set(VEXTON_APP_ID org.example.vextondof) # the desktop entry's, metainfo's and icon's name

install(TARGETS vextondof RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS vexton-window vexton-lensfun vexton-printing vexton-svg LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/vextondof)
install(TARGETS vextondof-photo-reader RUNTIME DESTINATION ${CMAKE_INSTALL_LIBDIR}/vextondof)
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
set(manpages vextondof.1.gz)
foreach(language de fr) # the same page in German and French
    add_custom_command(OUTPUT ${language}/vextondof.1.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${language}
        COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/data/vextondof.${language}.1 > ${language}/vextondof.1.gz
        DEPENDS data/vextondof.${language}.1 VERBATIM)
    list(APPEND manpages ${language}/vextondof.1.gz)
    install(FILES ${CMAKE_BINARY_DIR}/${language}/vextondof.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man1)
endforeach()
add_custom_target(manpage ALL DEPENDS ${manpages})
install(FILES ${CMAKE_BINARY_DIR}/vextondof.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
