// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "simulation/GameView.h"
#include "world/Random.h"
#include "world/WorldState.h"

#include <string>

namespace stratagon {

extern const char* const MissingMapPictureMessage;

// The game set-up: a fresh game on the map at mapPath, the player on side(0),
// `opponents` (1 to 5, clamped) computer opponents chosen by chooseOpponents on
// side(1..sideMax), the first country 9 unless that is the player's; fewer
// when the map has too few countries. The window's steps go through the view, and a
// rejected map file is reported through view.showMessage and played on.
// Returns false, with playing false and after telling the player, when the
// map picture cannot be loaded, and also when the position just set up is
// already decided (a map of one country, or a player's country that is not on
// the map): then the end-of-game message has been shown and view.closeGame()
// called, as at the end of a tick.
bool startGame(WorldState& world, RandomSource& random, GameView& view, const std::string& mapPath,
               int opponents = 1);

}  // namespace stratagon
