// SPDX-License-Identifier: GPL-3.0-or-later
// Apart from the rest of HeldKeys: the X11 headers define names (KeyRelease, FocusOut, True)
// that Qt's own code uses too.
#include "toolkit/heldkeys.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace tavelin {

void HeldKeys::askForPlainRepeats() {
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        if (Display* display = x11->display()) {
            XkbSetDetectableAutoRepeat(display, True, nullptr);
        }
    }
}

} // namespace tavelin
