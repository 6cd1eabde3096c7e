// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/socketlibrary.h"
#include "toolkit/dialogs.h"
#include "toolkit/handlergate.h"
#include "window/form1.h"

#include <QPointer>

#include <array>

namespace tavelin {

namespace {
constexpr std::int16_t version1_1 = 0x0101;
constexpr int hostNameLength = 256;

QString dottedDecimal(const QByteArray& address) {
    QStringList parts;
    for (const char byte : address) {
        parts.append(QString::number(static_cast<unsigned char>(byte)));
    }
    return parts.join(u'.');
}

bool isLoopback(const QByteArray& address) {
    return address.size() == 4 && static_cast<unsigned char>(address.at(0)) == 127;
}
} // namespace

int Form1::Hibyte(std::int16_t wParam) {
    return (wParam / 256) & 0xFF;
}

int Form1::Lobyte(std::int16_t wParam) {
    return wParam & 0xFF;
}

Bool16 Form1::SocketsInitialize() {
    SocketLibrary::StartupInfo info;
    if (platform_.sockets.startup(version1_1, info) != 0) {
        ShowMessage(tr("Winsock Not Responting"), Dialogs::Style::Exclamation, tr("ERROR"));
        return False;
    }
    constexpr int minSockets = 1;
    if (info.maxSockets < minSockets) {
        ShowMessage(tr("Want Winsock at less = %1").arg(minSockets));
        return False;
    }
    const int major = Lobyte(info.version);
    const int minor = Hibyte(info.version);
    if (major < 1 || (major == 1 && minor < 1)) {
        ShowMessage(tr("Version Sockets = %1.%2Too Lo").arg(major).arg(minor));
        return False;
    }
    return True;
}

void Form1::SocketsCeanup() {
    if (platform_.sockets.cleanup() != 0) {
        ShowMessage(tr("Winsock Not Responting"), Dialogs::Style::Exclamation, tr("ERROR"));
    }
}

// Opens a library session and looks up the local host name. Nothing after a failure, which has
// been told to the user; otherwise the caller closes the session.
std::optional<QByteArray> Form1::OpenSessionForHostName() {
    if (SocketsInitialize() != True) {
        return std::nullopt;
    }
    std::array<char, hostNameLength> buffer{};
    if (platform_.sockets.hostName(buffer.data(), hostNameLength) == -1) {
        ShowMessage(tr("Windows Sockets Error : %1").arg(platform_.sockets.lastError()));
        SocketsCeanup();
        return std::nullopt;
    }
    buffer.back() = '\0'; // a name that filled the buffer is cut, never read past it
    return QByteArray(buffer.data());
}

QString Form1::GetIPHostName() {
    const std::optional<QByteArray> name = OpenSessionForHostName();
    if (!name) {
        return {};
    }
    LocalHostName = QString::fromLocal8Bit(*name);
    SocketsCeanup();
    return LocalHostName;
}

// Looks up the address a guest can reach this machine at. A slow resolver must not hold the
// window, so the answer comes later, as an event of its own, and fills in the address line; an
// answer for a session given up meanwhile is dropped.
void Form1::GetIPAddress() {
    const std::optional<QByteArray> name = OpenSessionForHostName();
    if (!name) {
        return;
    }
    SocketsCeanup();
    const auto take = [form = QPointer(this),
                       lookup = ++addressLookups_](const std::optional<QByteArray>& address) {
        HandlerGate::post([form, lookup, address] {
            if (form && form->addressLookups_ == lookup) {
                form->TakeIPAddress(address);
            }
        });
    };
    platform_.sockets.lookUpFirstAddress(name->trimmed(), take);
}

// A host name that resolves to loopback (as Debian maps it to 127.0.1.1) would send the guest
// to its own machine, so the first address of a network interface takes its place; loopback
// only when there is none.
void Form1::TakeIPAddress(std::optional<QByteArray> address) {
    if (!address) {
        ShowMessage(tr("Windows Not Responting"), Dialogs::Style::Exclamation, tr("ERROR"));
        return;
    }
    if (isLoopback(*address)) {
        address = platform_.sockets.reachableAddress().value_or(*address);
    }
    shownAddress_ = dottedDecimal(*address);
    ShowAddress();
}

} // namespace tavelin
