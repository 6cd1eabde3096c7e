# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts in place: the game, its desktop entry, metainfo, icons and manual
# page. The Debian package (debian/, `make deb`) configures with -DCMAKE_INSTALL_BINDIR=games, as
# Debian has games, and leaves stripping, compressing and the package's own documents to dh.
include(GNUInstallDirs)

install(TARGETS tavelin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The desktop finds the game on the PATH in bin/, elsewhere (/usr/games) by its full name. The
# desktop entry and the metainfo carry every language's texts.
if(CMAKE_INSTALL_BINDIR STREQUAL "bin")
    set(TAVELIN_EXEC tavelin)
else()
    set(TAVELIN_EXEC ${CMAKE_INSTALL_FULL_BINDIR}/tavelin)
endif()
set(desktop_template ${CMAKE_CURRENT_BINARY_DIR}/${TAVELIN_APP_ID}.desktop.untranslated)
configure_file(${desktop_source} ${desktop_template} @ONLY)
set(TAVELIN_DESKTOP_FILE ${CMAKE_CURRENT_BINARY_DIR}/${TAVELIN_APP_ID}.desktop)
set(TAVELIN_METAINFO_FILE ${CMAKE_CURRENT_BINARY_DIR}/${TAVELIN_APP_ID}.metainfo.xml)
add_custom_command(OUTPUT ${TAVELIN_DESKTOP_FILE}
    COMMAND ${MSGFMT} --desktop -d ${po_dir} --template=${desktop_template}
            -o ${TAVELIN_DESKTOP_FILE}
    DEPENDS ${desktop_template} ${po_files} ${po_dir}/LINGUAS VERBATIM)
add_custom_command(OUTPUT ${TAVELIN_METAINFO_FILE}
    COMMAND ${MSGFMT} --xml -d ${po_dir} --template=${metainfo_source} -o ${TAVELIN_METAINFO_FILE}
    DEPENDS ${metainfo_source} ${po_files} ${po_dir}/LINGUAS VERBATIM)
add_custom_target(desktop_files ALL DEPENDS ${TAVELIN_DESKTOP_FILE} ${TAVELIN_METAINFO_FILE})
install(FILES ${TAVELIN_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TAVELIN_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

configure_file(resources/tavelin.6.in ${CMAKE_CURRENT_BINARY_DIR}/tavelin.6 @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tavelin.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# Every icon size is drawn from the one SVG source.
set(icon_source ${CMAKE_CURRENT_SOURCE_DIR}/resources/artwork/tavelin.svg)
install(FILES ${icon_source} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TAVELIN_APP_ID}.svg)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icons)
foreach(size 16 22 24 32 48 64 128 256 512)
    set(icon ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}/${TAVELIN_APP_ID}.png)
    add_custom_command(OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${icon_source}
        DEPENDS ${icon_source} VERBATIM)
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    list(APPEND icons ${icon})
endforeach()
add_custom_target(icons ALL DEPENDS ${icons})
