// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Naming the player's recruits (the rest of the roster is in PlayerActions.h).

#include "world/WorldState.h"

#include <string>

namespace stratagon {

// `base` when no general of `side` bears it, else "base 2", "base 3", ...:
// the lowest number still free. Two generals of one name could not be told
// apart in the lists and the battle panel.
std::string distinctGeneralName(const WorldState& world, int side, const std::string& base);

}  // namespace stratagon
