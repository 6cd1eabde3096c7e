// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/dnssdrecords.h"

#include <algorithm>

namespace tavelin {

namespace {
constexpr char recordVersion[] = "txtvers=1";
// Raised when the messages the peers exchange change.
constexpr char protocolVersion[] = "protovers=1";

// Lower is better.
int preference(const QHostAddress& address) {
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        return 0;
    }
    return address.isLinkLocal() ? 2 : 1;
}
} // namespace

QList<QByteArray> gameTxtRecord() {
    return {QByteArray(recordVersion), QByteArray(protocolVersion)};
}

bool speaksOurProtocol(const QList<QByteArray>& txt) {
    return txt.contains(QByteArray(recordVersion)) && txt.contains(QByteArray(protocolVersion));
}

QString addressToType(const QList<QHostAddress>& addresses, quint16 port) {
    QList<QHostAddress> usable;
    std::copy_if(addresses.begin(), addresses.end(), std::back_inserter(usable),
                 [](const QHostAddress& address) {
                     return !address.isNull() &&
                            !(address.isLinkLocal() &&
                              address.protocol() == QAbstractSocket::IPv6Protocol &&
                              address.scopeId().isEmpty());
                 });
    if (usable.isEmpty()) {
        return {};
    }
    const QHostAddress best = *std::min_element(
        usable.begin(), usable.end(), [](const QHostAddress& one, const QHostAddress& other) {
            return preference(one) < preference(other);
        });
    const QString host = best.protocol() == QAbstractSocket::IPv6Protocol
                             ? QStringLiteral("[%1]").arg(best.toString())
                             : best.toString();
    return QStringLiteral("%1:%2").arg(host).arg(port);
}

} // namespace tavelin
