// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace tavelin {

// After the greeting every message from the peer is two characters, "42" to "50", sent without
// separator; several may arrive together and one may arrive in two pieces. Takes the next whole
// message off the front of `received`. A lone "4" or "5" is left to wait for the rest; text
// that does not split into messages is dropped, so it can change nothing.
std::optional<QString> takePeerMessage(QString& received);

// The peer's host name as it may be shown: printable characters only, 64 at most.
QString sanitizeGreeting(const QString& greeting);

// An address typed by the player: "host", "host:port", "[IPv6 address]:port" or a bare IPv6
// address. Nothing when the port is no number from 1 to 65535 or the brackets are unclosed.
struct PeerAddress {
    QString host;
    std::optional<quint16> port; // none typed
    friend bool operator==(const PeerAddress&, const PeerAddress&) = default;
};
std::optional<PeerAddress> parsePeerAddress(const QString& typed);

} // namespace tavelin
