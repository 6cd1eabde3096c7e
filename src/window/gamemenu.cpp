// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/gamemenu.h"

#include <QCoreApplication>

namespace tavelin {

namespace {
struct GameMenu {
    Q_DECLARE_TR_FUNCTIONS(GameMenu)
};

// Two spaces indent a mode item under its heading, in every language.
QString modeItem(const QString& caption) {
    return QStringLiteral("  ") + caption;
}
} // namespace

std::array<MenuEntry, 10> gameMenuItems() {
    // The headings are greyed, since choosing one does nothing.
    const QString separator = QStringLiteral("-");
    return {{
        {GameMenu::tr("&New"), false, true, QKeySequence(Qt::Key_F2)},
        {separator},
        {GameMenu::tr("Normal Mode"), false, false},
        {modeItem(GameMenu::tr("One Player")), true},
        {modeItem(GameMenu::tr("Two Players"))},
        {separator},
        {GameMenu::tr("Network Mode"), false, false},
        {modeItem(GameMenu::tr("Waiting for Connection"))},
        {modeItem(GameMenu::tr("Connect to Opponent"))},
        {modeItem(GameMenu::tr("Disconnect")), false, false},
    }};
}

} // namespace tavelin
