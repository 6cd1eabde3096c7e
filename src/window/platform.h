// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

namespace tavelin {

class Dialogs;
class RandomSequence;
class SocketLibrary;
class UrlOpener;

// What the game needs from the world around it, each behind a seam that tests replace.
struct Platform {
    static constexpr quint16 defaultPort = 1007;
    // Where the system keeps ports below 1024 for the administrator, both sides meet here.
    static constexpr quint16 unprivilegedPort = 10007;

    Dialogs& dialogs;
    RandomSequence& random;
    UrlOpener& urls;
    SocketLibrary& sockets;
    quint16 port = defaultPort;
    // The port tried next when `port` is refused; none when the player chose the port.
    std::optional<quint16> fallbackPort = unprivilegedPort;
};

} // namespace tavelin
