// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <chrono>
#include <optional>

namespace tavelin {

class Dialogs;
class GameDiscovery;
class RandomSequence;
class SocketLibrary;
class UrlOpener;

// How network play reaches its peer: port 1007, or 10007 where 1007 is reserved for the
// administrator; how long each side gives the other to greet; and how long a greeting that
// ends with no line feed (an older peer's) waits for more before it is taken whole.
struct NetworkSettings {
    static constexpr quint16 defaultPort = 1007;
    static constexpr quint16 unprivilegedPort = 10007;

    quint16 port = defaultPort;
    // The port tried next when `port` is refused; none when the player chose the port.
    std::optional<quint16> fallback = unprivilegedPort;
    std::chrono::milliseconds greetingLimit = std::chrono::seconds(30);
    std::chrono::milliseconds greetingQuiet = std::chrono::milliseconds(500);
};

// What the game needs from the world around it, each behind a seam that tests replace.
struct Platform {
    Dialogs& dialogs;
    RandomSequence& random;
    UrlOpener& urls;
    SocketLibrary& sockets;
    GameDiscovery& discovery;
    NetworkSettings network;
};

} // namespace tavelin
