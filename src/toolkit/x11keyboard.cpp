// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one piece of window-system code: whatever else it needs of X11 or Wayland, Qt does.
#include "toolkit/x11keyboard.h"

#include <QGuiApplication>

#if defined(TAVELIN_XCB_XKB) && QT_CONFIG(xcb)
#include <cstdlib>
// The XKB header names a field `explicit`, which C++ reserves: it is renamed while the header
// is read, as Qt's xcb plugin does.
#ifdef __clang__
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wkeyword-macro"
#endif
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#ifdef __clang__
#pragma clang diagnostic pop
#endif
#endif

namespace tavelin {

#if defined(TAVELIN_XCB_XKB) && QT_CONFIG(xcb)

void askForDetectableAutoRepeat() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return; // not on X11
    }
    // Qt has started XKB on its connection, where the server has it; where it has not, the
    // request fails and the repeats come as they always did.
    constexpr auto detectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const xcb_xkb_per_client_flags_cookie_t asked = xcb_xkb_per_client_flags(
        connection, XCB_XKB_ID_USE_CORE_KBD, detectable, detectable, 0, 0, 0);
    xcb_generic_error_t* error = nullptr;
    std::free(xcb_xkb_per_client_flags_reply(connection, asked, &error));
    std::free(error);
}

#else

void askForDetectableAutoRepeat() {}

#endif

} // namespace tavelin
