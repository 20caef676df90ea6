#pragma once

#include "simulation/GameView.h"
#include "world/Random.h"
#include "world/WorldState.h"

#include <string>

namespace stratagon {

extern const char* const MissingMapPictureMessage;

// The game set-up: a fresh game on the map at mapPath, the player on side(0),
// the opponent on country 9; the window's steps go through the view, and a
// rejected map file is reported through view.showMessage and played on.
// Returns false, with playing false and after telling the player, only when
// the map picture cannot be loaded.
bool startGame(WorldState& world, RandomSource& random, GameView& view, const std::string& mapPath);

}  // namespace stratagon
