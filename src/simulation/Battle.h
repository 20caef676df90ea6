// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "simulation/TickReport.h"
#include "world/Random.h"
#include "world/Rules.h"
#include "world/WorldState.h"

#include <string_view>

#include <vector>

namespace stratagon {

// The side's general with the highest EP above 0 among those not in battle;
// the lower slot on ties; 0 when none qualifies.
int bestGeneral(const WorldState& world, int side);

// One step of every battle (clock tick, step 3). Fills the player's battle
// list; ends battles whose score passed 100. A battle whose score can no
// longer move, or that has reached the rule set's tick limit, is broken off
// in the defender's favour, without EP for either general. Where the rule
// set says so, a computer opponent whose home fell is beaten afterwards.
void battleStep(WorldState& world, RandomSource& random, const RuleTable& rules, TickReport& report);

// Appends a battle with the scores 20/80 and marks both generals in battle;
// the report tells it with a computer opponent's reason. Returns its index,
// or 0 when the table is full.
int openBattle(WorldState& world, int country, int attacker, int attackerGeneral, int defender,
               int defenderGeneral, TickReport& report, AttackReason reason = AttackReason::None);

// How far one step moves the defender's score for the draws r1 and r2 (each
// 0..4), as the battle step takes it; and whether no draw can move it at all
// (such a battle is broken off at its first step).
int64_t battleScoreStep(const RuleTable& rules, int32_t attackerEP, int32_t defenderEP, int r1, int r2);
bool battleStalled(const RuleTable& rules, int32_t attackerEP, int32_t defenderEP);

// A general's EP rose from epBefore: a new rank goes into the report.
void reportPromotion(const WorldState& world, int side, int slot, int32_t epBefore, TickReport& report);

// Battle k as the panels show it: names, scores, generals and their EP.
// How a battle's entry names a side that fights with the stand-in slot 0:
// without a general, so without EP of its own to show.
inline constexpr std::string_view NoGeneral = "ohne General";

PlayerBattleEntry battleEntry(const WorldState& world, int k);

// Every running battle, the player's own first, each group in table order.
struct BattleOverviewRow {
    PlayerBattleEntry entry;
    bool own = false;
    int country = 0;
};
std::vector<BattleOverviewRow> battleOverview(const WorldState& world);

// True when any running battle is fought over `country`.
bool countryContested(const WorldState& world, int country);

}  // namespace stratagon
