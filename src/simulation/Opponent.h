// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "world/Random.h"
#include "world/WorldState.h"

#include <array>
#include <string_view>

namespace stratagon {

extern const std::array<std::string_view, 10> OpponentNames;

std::string_view pickOpponentName(RandomSource& random);
void recruitOpponentGeneral(WorldState& world, RandomSource& random, int side);
void opponentTurn(WorldState& world, int side);

}  // namespace stratagon
