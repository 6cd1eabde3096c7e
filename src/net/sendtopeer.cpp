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

bool Form1::SendToPeer(const QString& text) {
    TcpSocketControl* socket = PeerSocket();
    if (socket == nullptr) {
        return false;
    }
    MoveText = text;
    return socket->sendData(MoveText);
}

} // namespace tavelin
