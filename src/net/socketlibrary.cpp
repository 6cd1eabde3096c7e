// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/socketlibrary.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QtEndian>

#include <algorithm>
#include <cerrno>

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

namespace {
QByteArray ipv4Bytes(const QHostAddress& address) {
    const quint32 inNetworkOrder = qToBigEndian(address.toIPv4Address());
    return {reinterpret_cast<const char*>(&inNetworkOrder), sizeof inNetworkOrder};
}

bool isIPv4(const QHostAddress& address) {
    return address.protocol() == QAbstractSocket::IPv4Protocol;
}
} // namespace

// Qt's resolver works on a thread of its own and answers through the event loop.
void PosixSocketLibrary::lookUpFirstAddress(const QByteArray& name, AddressAnswer answer) {
    QHostInfo::lookupHost(QString::fromLocal8Bit(name), QCoreApplication::instance(),
                          [answer = std::move(answer)](const QHostInfo& found) {
                              const QList<QHostAddress> addresses = found.addresses();
                              const auto first = std::ranges::find_if(addresses, isIPv4);
                              answer(first == addresses.end()
                                         ? std::nullopt
                                         : std::optional<QByteArray>(ipv4Bytes(*first)));
                          });
}

std::optional<QByteArray> PosixSocketLibrary::reachableAddress() {
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            flags.testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            if (isIPv4(entry.ip()) && !entry.ip().isLoopback()) {
                return ipv4Bytes(entry.ip());
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
