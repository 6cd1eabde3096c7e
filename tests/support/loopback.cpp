// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/loopback.h"

#include <QCoreApplication>
#include <QTcpServer>

namespace tavelin::test {

namespace {
constexpr int firstPort = 20000;
constexpr int portsPerProcess = 64;
constexpr int processRanges = 600; // up to port 58400
} // namespace

// The probe passes over a port another program holds; a port comes round again only after 64
// others, long after the test that had it has closed it.
quint16 freePort() {
    static int next = 0;
    const auto base = static_cast<int>(
        firstPort + (QCoreApplication::applicationPid() % processRanges) * portsPerProcess);
    for (int tried = 0; tried < portsPerProcess; ++tried) {
        const auto port = static_cast<quint16>(base + next++ % portsPerProcess);
        QTcpServer probe;
        if (probe.listen(QHostAddress::Any, port)) {
            return port;
        }
    }
    return 0;
}

} // namespace tavelin::test
