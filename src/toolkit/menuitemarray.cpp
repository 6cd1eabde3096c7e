// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/menuitemarray.h"

#include <QAction>
#include <QMenu>

namespace tavelin {

MenuItemArray::MenuItemArray(QMenu* menu, std::span<const MenuEntry> items) : QObject(menu) {
    items_.reserve(items.size());
    for (const MenuEntry& entry : items) {
        QAction* action = entry.caption == QLatin1String("-") ? menu->addSeparator()
                                                              : menu->addAction(entry.caption);
        action->setEnabled(entry.enabled);
        action->setShortcut(entry.shortcut);
        const int index = static_cast<int>(items_.size());
        items_.push_back({action, entry.checked});
        showCheck(items_.back());
        connect(action, &QAction::triggered, this, [this, index] {
            showCheck(items_.at(index)); // undo the toggle Qt made on its own
            emit clicked(index);
        });
    }
}

void MenuItemArray::setChecked(int index, bool checked) {
    Item& item = items_.at(index);
    item.checked = checked;
    showCheck(item);
}

bool MenuItemArray::enabled(int index) const {
    return items_.at(index).action->isEnabled();
}

void MenuItemArray::setEnabled(int index, bool enabled) {
    items_.at(index).action->setEnabled(enabled);
}

void MenuItemArray::trigger(int index) {
    items_.at(index).action->trigger();
}

// Only a checked item is checkable, so unchecked items draw no empty check box.
void MenuItemArray::showCheck(Item item) {
    item.action->setCheckable(item.checked);
    item.action->setChecked(item.checked);
}

} // namespace tavelin
