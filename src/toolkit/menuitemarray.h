// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <span>
#include <vector>

class QAction;
class QMenu;

namespace tavelin {

struct MenuEntry {
    QString caption; // "-" makes a separator
    bool checked = false;
    bool enabled = true;
    QKeySequence shortcut = {};
};

// A control array of menu items: each item has a checked and an enabled flag, and a click on
// any of them raises one signal with the item's index. The program decides every check mark
// itself, so a click never toggles one behind its back; a disabled item raises no click.
class MenuItemArray : public QObject {
    Q_OBJECT

public:
    MenuItemArray(QMenu* menu, std::span<const MenuEntry> items);

    int count() const { return static_cast<int>(items_.size()); }
    bool checked(int index) const { return items_.at(index).checked; }
    void setChecked(int index, bool checked);
    bool enabled(int index) const;
    void setEnabled(int index, bool enabled);
    // Raises the item's click as the menu would: nothing when the item is disabled.
    void trigger(int index);

signals:
    void clicked(int index);

private:
    struct Item {
        QAction* action;
        bool checked;
    };
    static void showCheck(Item item);

    std::vector<Item> items_;
};

} // namespace tavelin
