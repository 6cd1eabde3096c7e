// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/menuitemarray.h"

#include <array>

namespace tavelin {

// Indexes into the Game menu. The checked one of the four mode items is the mode of play.
enum GameMenuItem : int {
    mnuNew = 0,
    mnuOnePlayer = 3,
    mnuTwoPlayers = 4,
    mnuWaitForConnection = 7,
    mnuConnectToOpponent = 8,
    mnuDisconnect = 9,
};

// The mode items in the order every mode test reads them: the first checked one decides.
enum class PlayMode { OnePlayer, TwoPlayers, WaitingForConnection, ConnectToOpponent, None };

// In the language of the moment.
std::array<MenuEntry, 10> gameMenuItems();

} // namespace tavelin
