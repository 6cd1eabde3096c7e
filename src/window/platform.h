// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

namespace tavelin {

class Dialogs;
class RandomSequence;
class SocketLibrary;
class UrlOpener;

// The ports network play uses: 1007, and 10007 where 1007 is reserved for the administrator.
struct NetworkPorts {
    static constexpr quint16 defaultPort = 1007;
    static constexpr quint16 unprivilegedPort = 10007;

    quint16 port = defaultPort;
    // The port tried next when `port` is refused; none when the player chose the port.
    std::optional<quint16> fallback = unprivilegedPort;
};

// What the game needs from the world around it, each behind a seam that tests replace.
struct Platform {
    Dialogs& dialogs;
    RandomSequence& random;
    UrlOpener& urls;
    SocketLibrary& sockets;
    NetworkPorts network;
};

} // namespace tavelin
