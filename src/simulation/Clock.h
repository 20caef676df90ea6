// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "simulation/GameView.h"
#include "world/Random.h"
#include "world/Rules.h"
#include "world/WorldState.h"

#include <array>
#include <string>
#include <string_view>

namespace stratagon {

extern const std::array<std::string_view, 13> MonthNames;  // 1..12; 0 is ""

// One tick of the game clock, all nine steps in order.
// A tick that starts while another is still running (a timer firing inside
// the end-of-game message) returns at once.
void clockTick(WorldState& world, RandomSource& random, GameView& view);

// Steps 1..8 without the end-of-game check: the set-up's own tick, which runs
// before the sides are placed; the set-up judges the end once they are.
void clockTickWithoutEndCheck(WorldState& world, RandomSource& random, GameView& view);

// True while a tick runs.
bool clockTickRunning();

// Step 2: the calendar.
void advanceCalendar(WorldState& world, RandomSource& random);

// The training pass of one country: slots 0..generalCount in training gain
// 1 EP on a draw of 0 in 0..odds-1, the rule set's odds for the country's
// kind (16 for every kind in Klassisch).
void trainGenerals(WorldState& world, RandomSource& random, int country,
                   const RuleTable& rules = ruleTable(RulesKlassisch));

// Fills Kontinent, land, Genralmenge and the panel lists for country h,
// under its holder's name when a side in play holds it.
void fillPanelValues(WorldState& world, int h);

// "Januar 2000"
std::string dateText(const WorldState& world);

// Paints every country of side(0) in the player's colour and of side(1..sideMax)
// in its opponent's colour, in the view's colour scheme.
void recolourMap(const WorldState& world, GameView& view);

}  // namespace stratagon
