// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/gamemenu.h"

namespace tavelin {

const std::array<MenuEntry, 10>& gameMenuItems() {
    // The two leading spaces indent the mode items under their headings; the headings are
    // greyed, since choosing one does nothing.
    static const std::array<MenuEntry, 10> items{{
        {"&New", false, true, QKeySequence(Qt::Key_F2)},
        {"-"},
        {"Normal Mode", false, false},
        {"  One Player", true},
        {"  Two Players"},
        {"-"},
        {"Network Mode", false, false},
        {"  Waiting for Connection"},
        {"  Connect to Opponent"},
        {"  Disconnect", false, false},
    }};
    return items;
}

} // namespace tavelin
