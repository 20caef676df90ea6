// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbers the rules play by, one table per rule set. A game keeps the
// rule set it was started with (WorldState::ruleSet); the tick looks its
// table up once and hands it to every step, so the steps hold no rule-set
// conditions of their own.

#include "world/WorldState.h"

#include <array>
#include <string_view>

namespace stratagon {

enum RuleSet : int32_t { RulesKlassisch = 0, RulesZuegig = 1 };

struct RuleTable {
    std::string_view key;   // as stored in stratagon.ini: "klassisch", "zuegig"
    std::string_view name;  // as the settings window shows it

    // A battle step moves the defender's score by
    //   d * stepScale / (stepBase + stepPerEP * the larger of the two EP),
    // d being attacker EP x draw minus defender EP x draw, each draw 0..4.
    int stepScale;
    int stepBase;
    int stepPerEP;
    // A battle still open after this many ticks is broken off: the defender
    // keeps the country.
    int battleTickLimit;

    // EP the winner's general earns.
    int winEP;

    // A general in training gains 1 EP on a draw of 0 in 0..odds-1, by the
    // kind of his country (player, passive, opponent).
    std::array<int, 3> trainingOdds;
    // The passive countries' generals start with this share of the EP the
    // map gives them, in per cent.
    int passiveStartPercent;
    // EP of a new general, the player's and the opponent's.
    int playerRecruitEP;
    int opponentRecruitEP;
    // Extra EP for the opponent's recruits, divided by the strength's divisor
    // (256 "Sehr Leicht" .. 1 "Irrsinnig"): only the hard strengths get them.
    int opponentRecruitBonus;
    // The opponent recruits while he has fewer generals than this.
    int opponentRosterSize;
    // The opponent takes a turn on a draw of 0 in 0..(strength divisor x this - 1).
    int opponentTurnFactor;
    // Generals the opponent keeps out of his attacks, so that a turn on every
    // tick cannot leave his countries to be taken without a fight.
    int opponentKeptHome;
};

extern const std::array<RuleTable, 2> RuleTables;

// The table of a rule set; Klassisch for a value outside the known ones.
const RuleTable& ruleTable(int ruleSet);
inline const RuleTable& rulesOf(const WorldState& world) { return ruleTable(world.ruleSet); }

// The set-up's share of the rules: the passive countries' generals brought
// to the rule set's starting strength (rounded up, so nobody drops to 0 EP).
void applyStartingStrength(WorldState& world);

// The rule set stored under `key`; Klassisch for anything else.
RuleSet ruleSetFromKey(std::string_view key);

}  // namespace stratagon
