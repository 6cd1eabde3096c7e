// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/heldkeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <X11/XKBlib.h>

namespace tavelin {

void HeldKeys::askForPlainRepeats() {
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        if (Display* display = x11->display()) {
            XkbSetDetectableAutoRepeat(display, True, nullptr);
        }
    }
}

bool HeldKeys::repeats(const QKeyEvent& press) {
    const bool held = press.isAutoRepeat() || down_.contains(press.key());
    down_.insert(press.key());
    return held;
}

// A release that Qt marks as part of a repeat leaves the key down.
void HeldKeys::released(const QKeyEvent& release) {
    if (!release.isAutoRepeat()) {
        down_.remove(release.key());
    }
}

} // namespace tavelin
