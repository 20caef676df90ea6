// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "simulation/TickReport.h"
#include "world/Random.h"
#include "world/WorldState.h"

#include <array>
#include <string_view>

namespace stratagon {

extern const std::array<std::string_view, 10> OpponentNames;

std::string_view pickOpponentName(RandomSource& random);
// A new general of `ep` EP in the side's next slot, named at random.
void recruitOpponentGeneral(WorldState& world, RandomSource& random, int side, int32_t ep = 1);
void opponentTurn(WorldState& world, int side, TickReport& report);

}  // namespace stratagon
