# SPDX-License-Identifier: GPL-3.0-or-later
# The game in the user's language: Qt Linguist's catalogues for the program's texts, built into
# it, and gettext's for the desktop entry and the metainfo. English is the source language.
# `cmake --build <dir> --target update_translations` brings new or changed texts into both.
file(STRINGS resources/po/LINGUAS TAVELIN_LANGUAGES REGEX "^[^#]")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS resources/po/LINGUAS)

file(GLOB_RECURSE translated_sources CONFIGURE_DEPENDS src/*.cpp src/*.h)
list(APPEND translated_sources ${TAVELIN_GENERATED_DIR}/projectinfo.h)
list(TRANSFORM TAVELIN_LANGUAGES REPLACE "(.+)" "resources/translations/tavelin_\\1.ts"
     OUTPUT_VARIABLE ts_files)
qt_add_translations(tavelin_core TS_FILES ${ts_files} SOURCES ${translated_sources}
                    LUPDATE_OPTIONS -locations none -no-obsolete)
# English needs a catalogue only for its plural forms ("1 piece", "2 pieces"); it is used in the
# C locale too.
set(english_plurals resources/translations/tavelin_en.ts)
add_custom_target(tavelin_english_plurals)
qt_add_lupdate(tavelin_english_plurals TS_FILES ${english_plurals} SOURCES ${translated_sources}
               INCLUDE_DIRECTORIES src OPTIONS -locations none -no-obsolete -pluralonly)
qt_add_lrelease(tavelin_english_plurals TS_FILES ${english_plurals}
                QM_FILES_OUTPUT_VARIABLE english_plurals_qm)
qt_add_resources(tavelin_core english_plurals PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}
                 FILES ${english_plurals_qm})

# The desktop entry's and the metainfo's texts: their template, and each language's
# translations of it (merged into the two files by install.cmake).
find_program(XGETTEXT xgettext REQUIRED)
find_program(MSGMERGE msgmerge REQUIRED)
find_program(MSGFMT msgfmt REQUIRED)
set(po_dir ${CMAKE_CURRENT_SOURCE_DIR}/resources/po)
set(desktop_source ${CMAKE_CURRENT_SOURCE_DIR}/resources/${TAVELIN_APP_ID}.desktop.in)
set(metainfo_source ${CMAKE_CURRENT_BINARY_DIR}/untranslated/${TAVELIN_APP_ID}.metainfo.xml)
configure_file(resources/${TAVELIN_APP_ID}.metainfo.xml.in ${metainfo_source} @ONLY)
set(TAVELIN_POT ${CMAKE_CURRENT_BINARY_DIR}/tavelin.pot)
add_custom_command(OUTPUT ${TAVELIN_POT}
    COMMAND ${XGETTEXT} --language=Desktop --no-location -o ${TAVELIN_POT} ${desktop_source}
    COMMAND ${XGETTEXT} --join-existing --no-location -o ${TAVELIN_POT} ${metainfo_source}
    DEPENDS ${desktop_source} ${metainfo_source} VERBATIM)
# Built with the game, for the translations test to compare the catalogues with.
add_custom_target(po_template ALL DEPENDS ${TAVELIN_POT})
add_custom_target(update_po DEPENDS po_template)
foreach(language IN LISTS TAVELIN_LANGUAGES)
    set(po_file ${po_dir}/${language}.po)
    add_custom_command(TARGET update_po POST_BUILD
        COMMAND ${MSGMERGE} --quiet --update --backup=none --no-location ${po_file} ${TAVELIN_POT}
        VERBATIM)
    list(APPEND po_files ${po_file})
endforeach()
add_dependencies(update_translations update_po)
