// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "world/Palette.h"
#include "world/WorldState.h"

#include <vector>

namespace stratagon {

// At most this many computer opponents in one game: each has its own colour.
constexpr int MaxOpponents = MaxOpponentColours;

// The countries the computer plays against the player on side playerSide,
// at most `count` of them, in order of choice; fewer when the map runs out.
//
// The rule, fixed so every game on a map starts alike:
// - The first is country 9, unless the player is country 9 or the map has no
//   country 9.
// - Otherwise, and for every further opponent: among the countries that are
//   neither the player nor already chosen, those that border neither the
//   player nor a chosen opponent are preferred. Among them the strongest wins
//   (the sum of its generals' EP), then the one farthest from the player and
//   the chosen ones (the fewest borders to cross to the nearest of them), then
//   the lowest index. When every country left borders one of them, the
//   farthest wins, then the strongest, then the lowest index.
// - None when no other country is left.
std::vector<int> chooseOpponents(const WorldState& world, int playerSide, int count);

// The sum of the EP of a country's generals.
int64_t generalStrength(const WorldState& world, int country);

}  // namespace stratagon
