// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Naming the player's recruits (the rest of the roster is in PlayerActions.h).

#include "world/Random.h"
#include "world/WorldState.h"

#include <string>

namespace stratagon {

// `base` when no general of `side` bears it, else "base 2", "base 3", ...:
// the lowest number still free. Two generals of one name could not be told
// apart in the lists and the battle panel.
std::string distinctGeneralName(const WorldState& world, int side, const std::string& base);

// A name for a new general of `side`, drawn from syllables: a different one
// in every game, never one of his generals already bear and never numbered.
std::string recruitName(const WorldState& world, int side, RandomSource& random);

}  // namespace stratagon
