// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/heldkeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace tavelin {

HeldKeys::HeldKeys(QWidget* keyboard) {
    keyboard->installEventFilter(this);
}

bool HeldKeys::repeats(const QKeyEvent& press) {
    const bool held = press.isAutoRepeat() || down_.contains(press.key());
    down_.insert(press.key());
    return held;
}

// A release that Qt marks as part of a repeat leaves the key down.
bool HeldKeys::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const auto* release = static_cast<const QKeyEvent*>(event);
        if (!release->isAutoRepeat()) {
            down_.remove(release->key());
        }
    } else if (event->type() == QEvent::FocusOut) {
        down_.clear();
    }
    return false;
}

} // namespace tavelin
