#pragma once

#include <QtGlobal>

namespace tavelin {

class Dialogs;
class RandomSequence;
class SocketLibrary;
class UrlOpener;

// What the game needs from the world around it, each behind a seam that tests replace.
struct Platform {
    static constexpr quint16 defaultPort = 1007;

    Dialogs& dialogs;
    RandomSequence& random;
    UrlOpener& urls;
    SocketLibrary& sockets;
    quint16 port = defaultPort;
};

} // namespace tavelin
