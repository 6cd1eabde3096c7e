// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/peermessages.h"

namespace tavelin {

namespace {
constexpr int messageLength = 2;
constexpr int firstMessage = 42; // a move under marker 42
constexpr int lastMessage = 50;  // the peer is leaving
constexpr int greetingLimit = 64;

bool isDigit(QChar character) {
    return character >= u'0' && character <= u'9';
}

bool isMessage(QStringView text) {
    if (text.size() != messageLength || !isDigit(text.at(0)) || !isDigit(text.at(1))) {
        return false;
    }
    const int value = (text.at(0).unicode() - u'0') * 10 + (text.at(1).unicode() - u'0');
    return value >= firstMessage && value <= lastMessage;
}

bool beginsMessage(QChar first) {
    return first == u'4' || first == u'5';
}
} // namespace

std::optional<QString> takePeerMessage(QString& received) {
    if (received.size() < messageLength) {
        if (!received.isEmpty() && !beginsMessage(received.at(0))) {
            received.clear();
        }
        return std::nullopt;
    }
    const QString message = received.left(messageLength);
    if (!isMessage(message)) {
        received.clear();
        return std::nullopt;
    }
    received.remove(0, messageLength);
    return message;
}

QString sanitizeGreeting(const QString& greeting) {
    QString shown;
    for (const QChar character : greeting) {
        if (shown.size() == greetingLimit) {
            break;
        }
        if (character.isPrint()) {
            shown += character;
        }
    }
    return shown;
}

std::optional<PeerAddress> parsePeerAddress(const QString& typed) {
    const QString text = typed.trimmed();
    QString host = text;
    std::optional<QString> port;
    if (text.startsWith(u'[')) {
        const qsizetype close = text.indexOf(u']');
        const QString rest = close < 0 ? QString() : text.mid(close + 1);
        if (close < 0 || (!rest.isEmpty() && !rest.startsWith(u':'))) {
            return std::nullopt;
        }
        host = text.mid(1, close - 1);
        if (!rest.isEmpty()) {
            port = rest.mid(1);
        }
    } else if (text.count(u':') == 1) { // more colons: a bare IPv6 address
        host = text.section(u':', 0, 0);
        port = text.section(u':', 1);
    }
    if (host.isEmpty()) {
        return std::nullopt;
    }
    if (!port) {
        return PeerAddress{host, std::nullopt};
    }
    bool number = false;
    const uint value = port->toUInt(&number);
    if (!number || value == 0 || value > 65535) {
        return std::nullopt;
    }
    return PeerAddress{host, static_cast<quint16>(value)};
}

} // namespace tavelin
