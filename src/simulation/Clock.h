// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "simulation/TickReport.h"
#include "world/Palette.h"
#include "world/Random.h"
#include "world/Rules.h"
#include "world/WorldState.h"

#include <string>
#include <utility>
#include <vector>

namespace stratagon {

// One tick of the game clock: the calendar, the battles, the opponents'
// turns and the training, then the end-of-game check. The game's story and
// messages are kept from what happened; the report says what that was, for
// whoever shows the game.
TickReport clockTick(WorldState& world, RandomSource& random);

// The same without the end-of-game check: the set-up's own tick, which runs
// before the sides are placed; the set-up judges the end once they are.
TickReport clockTickWithoutEndCheck(WorldState& world, RandomSource& random);

// The calendar: four ticks a month.
void advanceCalendar(WorldState& world);

// The training pass of one country: slots 0..generalCount in training gain
// 1 EP on a draw of 0 in 0..odds-1, the rule set's odds for the country's
// kind (16 for every kind in Klassisch).
void trainGenerals(WorldState& world, RandomSource& random, int country, const RuleTable& rules, TickReport& report);

// What the information panel shows of country h: its name, the name of the
// side's country that holds it, the continent, and the generals of the side
// listed (the holder's when there is one).
struct CountryPanel {
    std::string land;
    std::string holder;  // empty when no side in play holds it
    int holderSide = 0;  // its country, 0 with no holder
    std::string continent;
    std::vector<std::pair<std::string, int32_t>> generals;  // name, EP
};
CountryPanel describeCountry(const WorldState& world, int h);

// Where to fill the map and in which style: every country a side in play
// holds, the player's in his colour, each opponent's in its own.
struct CountryPaint {
    int x = 0;
    int y = 0;
    SideStyle style;
};
std::vector<CountryPaint> mapPaints(const WorldState& world, ColourScheme scheme);

}  // namespace stratagon
