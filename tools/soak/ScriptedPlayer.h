// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A player made of code, for soak tests and balance figures. It acts only
// through the operations the windows use.

#include "simulation/Trail.h"
#include "world/Random.h"
#include "world/WorldState.h"

#include <string>

namespace stratagon {

class ScriptedPlayer {
public:
    // Generals it keeps on its roster.
    explicit ScriptedPlayer(int rosterSize = 10) : rosterSize_(rosterSize) {}

    // One turn between two clock ticks: recruit, put idle generals into
    // training, attack the weakest attackable neighbours. Each order carried
    // out goes into `trail` when one is given, as the session keeps it.
    void act(WorldState& world, GameTrail* trail = nullptr);

    int attacksLaunched() const { return attacks_; }

private:
    int rosterSize_;
    int recruited_ = 0;
    int attacks_ = 0;
};

// What must hold after every tick; "" when all is well, else what broke.
std::string checkInvariants(const WorldState& world);

// side(0) as the new-game window chooses it: the last of countries 0..99
// whose code is the map's default side code. 0 when none.
int defaultSide(const WorldState& world);

}  // namespace stratagon
