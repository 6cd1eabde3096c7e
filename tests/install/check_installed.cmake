# SPDX-License-Identifier: GPL-3.0-or-later
# Every file a desktop needs of the game is installed.
set(expected bin/tavelin share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml share/man/man6/tavelin.6
    share/doc/tavelin/LICENSE share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size 16 22 24 32 48 64 128 256 512)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file ${expected})
    if(NOT EXISTS ${STAGE}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
