#pragma once

#include "simulation/GameView.h"
#include "world/WorldState.h"

namespace stratagon {

extern const char* const WonText;
extern const char* const LostText;

enum class GameOutcome { Running, Won, Lost };

// Shows the message, playing = false, closes the game through the view and
// shows the summary.
GameOutcome endOfGameCheck(WorldState& world, GameView& view);

}  // namespace stratagon
