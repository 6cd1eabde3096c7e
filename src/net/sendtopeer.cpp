// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.h"

namespace tavelin {

TcpSocketControl* Form1::PeerSocket() {
    switch (checkedMode()) {
    case PlayMode::WaitingForConnection:
        return &wsServer;
    case PlayMode::ConnectToOpponent:
        return &wsClient;
    default:
        return nullptr;
    }
}

void Form1::SendToPeer(const QString& text) {
    if (TcpSocketControl* socket = PeerSocket()) {
        MoveText = text;
        socket->sendData(MoveText);
    }
}

} // namespace tavelin
