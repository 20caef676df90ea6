// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The moments that decided a game, found in its records: the year the player
// lost most land, the month an opponent overtook him (or he the last one
// ahead of him), the year he gained most, the height of his empire before
// it fell. At most a few, the weightiest, in the order they happened.

#include "world/GameRecords.h"
#include "world/WorldState.h"

#include <vector>

namespace stratagon {

enum class TurningKind {
    HeavyLoss,    // the most countries lost within twelve months (his last one too)
    Overtaken,    // an opponent passes the player, for the last time
    Overtook,     // the player passes the last opponent ahead of him
    GreatGain,    // the most countries won within twelve months
    Height,       // the largest empire of a game he lost afterwards
};

struct TurningPoint {
    TurningKind kind = TurningKind::HeavyLoss;
    GameDate date;       // the month it was reached: the mark on the chart
    GameDate from;       // HeavyLoss, GreatGain: the month the year began
    int side = 0;        // Overtaken, Overtook: the opponent's place in the side table
    int countries = 0;   // lost, won, or held by the player then
    int against = 0;     // Overtaken, Overtook: the opponent's countries then
    std::size_t month = 0;  // its index in the records' months
    bool operator==(const TurningPoint&) const = default;
};

constexpr int ShownTurningPoints = 3;

// The turning points of the game so far, at most `most`, earliest first.
// One pass over the months: a game of 300 years takes well under a millisecond.
std::vector<TurningPoint> turningPoints(const WorldState& world, int most = ShownTurningPoints);

}  // namespace stratagon
