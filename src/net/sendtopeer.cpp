// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.h"

namespace tavelin {

PeerConnection* Form1::PeerSocket() {
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
    if (PeerConnection* connection = PeerSocket()) {
        MoveText = text;
        connection->send(MoveText);
    }
}

} // namespace tavelin
