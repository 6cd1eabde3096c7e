// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/socketlibrary.h"

#include <QNetworkInterface>
#include <QTcpServer>
#include <QtEndian>

#include <cerrno>
#include <memory>

#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>

namespace tavelin {

int PosixSocketLibrary::startup(std::int16_t requestedVersion, StartupInfo& info) {
    info.version = requestedVersion;
    info.maxSockets = INT16_MAX;
    return 0;
}

int PosixSocketLibrary::lastError() {
    return errno;
}

int PosixSocketLibrary::hostName(char* buffer, int length) {
    return ::gethostname(buffer, static_cast<std::size_t>(length)) == 0 ? 0 : -1;
}

std::optional<QByteArray> PosixSocketLibrary::firstAddress(const QByteArray& name) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (getaddrinfo(name.constData(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return std::nullopt;
    }
    const std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> owner(found, &freeaddrinfo);
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    return QByteArray(reinterpret_cast<const char*>(&ipv4->sin_addr), sizeof ipv4->sin_addr);
}

std::optional<QByteArray> PosixSocketLibrary::reachableAddress() {
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            flags.testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()) {
                const quint32 host = qToBigEndian(address.toIPv4Address());
                return QByteArray(reinterpret_cast<const char*>(&host), sizeof host);
            }
        }
    }
    return std::nullopt;
}

std::optional<SocketLibrary::ListenRefusal> PosixSocketLibrary::listen(QTcpServer& server,
                                                                       quint16 port) {
    if (server.listen(QHostAddress::Any, port)) {
        return std::nullopt;
    }
    return ListenRefusal{server.serverError() == QAbstractSocket::SocketAccessError,
                         server.errorString()};
}

} // namespace tavelin
