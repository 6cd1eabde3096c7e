// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/loopback.h"

#include <QTcpServer>

namespace tavelin::test {

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace tavelin::test
