// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Keeping the game's story (WorldState::records): the rules call these at the
// moments that count; the summary window reads the result.

#include "simulation/TickReport.h"
#include "world/WorldState.h"

#include <cstddef>

namespace stratagon {

// A fresh story for the game just set up, its first month sampled.
void startRecords(WorldState& world);

// End of every clock tick: the played time, this month's counts (a new
// sample when the month has changed) and the player's peaks.
void recordTick(WorldState& world);

// The player's battles opened, won and lost, and the countries he took or lost.
void recordBattleOpened(WorldState& world, const BattleNews& battle);
void recordBattleEnded(WorldState& world, const BattleNews& battle);
// A computer opponent beaten: when the player beat him, the land he gains.
void recordSideBeaten(WorldState& world, const BeatenNews& beaten);

// Game months from the first sample to the last.
int recordedMonths(const GameRecords& records);

// What the records occupy in memory, with the samples' reserved room.
std::size_t recordsBytes(const GameRecords& records);

}  // namespace stratagon
