// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The plain computer opponent ("Standard", the original game's) and what
// every opponent shares: the names of his generals.

#include "simulation/Strategy.h"
#include "simulation/TickReport.h"
#include "world/Random.h"
#include "world/WorldState.h"

#include <span>
#include <string>
#include <string_view>

namespace stratagon {

// The names an opponent's recruits are given on a map of this continent.
std::span<const std::string_view> opponentNamePool(const std::string& continent);

// A name for a new general of `side`: one draw from the continent's pool;
// a name his side already has gives way to the next free one of the pool.
std::string pickOpponentName(const WorldState& world, RandomSource& random, int side);

// The plain opponent: recruits up to the rule set's roster, one a tick, and
// on a draw of 0 in 0..strength's divisor - 1 takes his turn.
class StandardOpponent final : public OpponentStrategy {
public:
    void play(const WorldState& world, RandomSource& random, int side, const OrderSink& give) const override;
};

// His turn: for every country he holds and each of its neighbours in map
// order, an attack with his best free general on a neighbour whose defender
// has fewer EP, unless the country is already fought over or is itself at
// war with him. Under a rule set that keeps generals home, the best of them
// stay and the next best goes.
void standardTurn(const WorldState& world, int side, const OrderSink& give);

// The same, each attack opened at once and told to the report.
void opponentTurn(WorldState& world, int side, TickReport& report);

}  // namespace stratagon
