# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts in place, and the Debian package made of it (`make deb`, which
# configures with -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games, as Debian has games).
include(GNUInstallDirs)

install(TARGETS tavelin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (the package's) drops the compiler's notes too, as Debian's own tools do.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tavelin\" COMMAND_ERROR_IS_FATAL ANY)
endif()")
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

# The manual page and the changelog go compressed, as Debian wants them; the copyright file
# names the licence, which Debian systems keep in /usr/share/common-licenses.
find_program(GZIP gzip REQUIRED)
set(docs_dir ${CMAKE_INSTALL_DATADIR}/doc/tavelin)
configure_file(resources/tavelin.6.in ${CMAKE_CURRENT_BINARY_DIR}/tavelin.6 @ONLY)
foreach(page ${CMAKE_CURRENT_BINARY_DIR}/tavelin.6 ${CMAKE_CURRENT_SOURCE_DIR}/resources/debian/changelog)
    get_filename_component(name ${page} NAME)
    set(packed ${CMAKE_CURRENT_BINARY_DIR}/packed/${name}.gz)
    add_custom_command(OUTPUT ${packed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packed
        COMMAND ${GZIP} -9n -c ${page} > ${packed}
        DEPENDS ${page} VERBATIM)
    list(APPEND packed_pages ${packed})
endforeach()
add_custom_target(packed_pages ALL DEPENDS ${packed_pages})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packed/tavelin.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packed/changelog.gz resources/debian/copyright
        DESTINATION ${docs_dir})

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

set(CPACK_PACKAGE_NAME tavelin)
set(CPACK_PACKAGE_VENDOR "${TAVELIN_AUTHOR}")
set(CPACK_PACKAGE_CONTACT "${TAVELIN_AUTHOR} <${TAVELIN_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "four in a row against the computer, a friend or the network")
set(CPACK_PACKAGE_DESCRIPTION "Drop red and blue pieces into a board of seven columns and
six rows: the first side with four in a line, across, up or diagonally, wins.
.
Play against the computer, which answers every move at once, with a friend at
the same computer, or over the network, where one computer waits and the other
connects to its address. The game is played with the mouse or the keyboard,
and screen readers can read and play its board.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Native on Wayland desktops rather than through XWayland, and Qt's own button texts in the
# user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
include(CPack)
