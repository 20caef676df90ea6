// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "simulation/TickReport.h"
#include "world/Text.h"
#include "world/WorldState.h"

#include <string>

namespace stratagon {

// The end-of-game messages, naming the map's continent.
Text wonText(const std::string& continent);
Text lostText(const std::string& continent);
// The title of the messages that stop a game from starting.
Text errorTitle();

// Won when the player holds every country, lost when he holds none. A
// decided game is no longer playing.
GameOutcome endOfGameCheck(WorldState& world);

// The message box of a decided game: its text and title.
struct EndMessage {
    Text text;
    Text title;
};
EndMessage endMessage(const WorldState& world, GameOutcome outcome);

}  // namespace stratagon
