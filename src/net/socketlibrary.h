// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QTcpServer;

namespace tavelin {

// The host's socket library, as the host-name and address look-ups use it: a seam, so that
// tests can make each call fail.
class SocketLibrary {
public:
    struct ListenRefusal {
        bool privileged; // the port is reserved for the administrator
        QString reason;  // for the user to read
    };
    struct StartupInfo {
        std::int16_t version = 0;    // low byte major, high byte minor
        std::int16_t maxSockets = 0; // how many sockets the library offers
    };

    SocketLibrary() = default;
    virtual ~SocketLibrary() = default;
    Q_DISABLE_COPY_MOVE(SocketLibrary)

    // 0 when a session is open and `info` filled; anything else is failure.
    virtual int startup(std::int16_t requestedVersion, StartupInfo& info) = 0;
    // 0 when the session is closed; anything else is failure.
    virtual int cleanup() = 0;
    virtual int lastError() = 0;
    // 0 with the NUL-terminated local host name in `buffer`, or -1.
    virtual int hostName(char* buffer, int length) = 0;
    // The bytes of the first IPv4 address the name resolves to, or nothing: given to `answer`
    // later, on this thread. A resolver may take seconds, and nothing waits for it meanwhile.
    using AddressAnswer = std::function<void(const std::optional<QByteArray>& address)>;
    virtual void lookUpFirstAddress(const QByteArray& name, AddressAnswer answer) = 0;
    // The first IPv4 address of an interface that is up, other than loopback, if any.
    virtual std::optional<QByteArray> reachableAddress() = 0;
    // Has `server` listen on `port` of every address: nothing when it does, else why not.
    virtual std::optional<ListenRefusal> listen(QTcpServer& server, quint16 port) = 0;
};

// The POSIX socket library: it needs no session, so opening and closing one always succeed.
class PosixSocketLibrary final : public SocketLibrary {
public:
    int startup(std::int16_t requestedVersion, StartupInfo& info) override;
    int cleanup() override { return 0; }
    int lastError() override;
    int hostName(char* buffer, int length) override;
    void lookUpFirstAddress(const QByteArray& name, AddressAnswer answer) override;
    std::optional<QByteArray> reachableAddress() override;
    std::optional<ListenRefusal> listen(QTcpServer& server, quint16 port) override;
};

} // namespace tavelin
