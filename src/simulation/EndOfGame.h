// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "simulation/GameView.h"
#include "world/WorldState.h"

#include <string>

namespace stratagon {

// The end-of-game messages, naming the map's continent.
std::string wonText(const std::string& continent);
std::string lostText(const std::string& continent);

enum class GameOutcome { Running, Won, Lost };

// Shows the message, playing = false, closes the game through the view and
// shows the summary.
GameOutcome endOfGameCheck(WorldState& world, GameView& view);

}  // namespace stratagon
