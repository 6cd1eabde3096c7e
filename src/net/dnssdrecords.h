// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>

namespace tavelin {

// What a waiting game's DNS-SD records say, and what a guest makes of them.

// The TXT record: the record's own version and the version of the game's protocol.
QList<QByteArray> gameTxtRecord();
// Whether a TXT record, its strings in any order, is that of a game this one can play with.
bool speaksOurProtocol(const QList<QByteArray>& txt);

// Of the addresses one game was found at, the one a guest connects to, as a player would type
// it with its port: IPv4 first, then a global IPv6 address, then a link-local one with its
// interface (without it, a link-local address reaches nothing). Empty when there is none.
QString addressToType(const QList<QHostAddress>& addresses, quint16 port);

} // namespace tavelin
