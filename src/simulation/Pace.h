// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How fast the game runs while playing: a multiple of the month set in
// game.dat. The setting itself is never changed.

#include "world/WorldState.h"

#include <array>
#include <string>

namespace stratagon {

struct PaceStep {
    int numerator;
    int denominator;
    const char* text;  // as shown beside the speed buttons
};

// Slowest first; WorldState::paceStep indexes it, 1 is the set pace.
extern const std::array<PaceStep, 4> PaceSteps;

// The clamped step of the world.
const PaceStep& currentPace(const WorldState& world);

// The clock timer's period in ms: a quarter month, divided by the pace;
// never below 1 ms, whatever game.dat holds.
int tickPeriodMs(const WorldState& world);

// One step slower or faster; false when already at the end.
bool slowerPace(WorldState& world);
bool fasterPace(WorldState& world);

}  // namespace stratagon
