// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The war at a glance, for a player who cannot see the map: the sentence a
// key says on demand, and the countries the keys jump to.

#include "world/Text.h"
#include "world/WorldState.h"

#include <vector>

namespace stratagon {

// Date, the player's countries of all, the battles running (his among
// them), every attack on him with its attacker, his free generals, the pace
// and whether the clock runs.
Text situationText(const WorldState& world, bool clockRunning);

// What the summary's chart shows, told: the player's largest empire and
// when, and the last time an opponent overtook him.
Text chartText(const WorldState& world);

// The player's countries under attack by another side, by index.
std::vector<int> attackedCountries(const WorldState& world);
// The countries he may attack now, none fought over already, his best chance first (those he has no
// general for last), then by index.
std::vector<int> attackableCountries(const WorldState& world);

// The country after `from` in the list, from the first again after the last;
// the first when `from` is not in it; 0 for an empty list.
int nextInList(const std::vector<int>& countries, int from);

}  // namespace stratagon
