// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A computer opponent's play behind one interface: it reads the world and
// the random source and gives orders. The tick applies each order as it is
// given, so the next decision already sees it (a general sent out is no
// longer free); the game, the soak and the tests all play through here.

#include "simulation/Order.h"
#include "simulation/TickReport.h"
#include "world/Random.h"
#include "world/WorldState.h"

#include <functional>

namespace stratagon {

// Carries out an order at once; false when it was not possible.
using OrderSink = std::function<bool(const Order&)>;

class OpponentStrategy {
public:
    virtual ~OpponentStrategy() = default;
    // One tick of the opponent whose home country is `side`: his recruit,
    // then, with the chance his strength gives, his turn. `world` is the one
    // the sink changes.
    virtual void play(const WorldState& world, RandomSource& random, int side, const OrderSink& give) const = 0;
};

// The strategy of a character (simulation/Character.h).
const OpponentStrategy& strategyOf(int character);

// Step 4 of the tick for one computer opponent: his character's orders,
// applied as they come, told to the report.
void opponentPlays(WorldState& world, RandomSource& random, int side, TickReport& report);

}  // namespace stratagon
