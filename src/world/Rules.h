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

    // A battle opens with this score for the attacker, 100 minus it for the
    // defender.
    int openingScore;
    // A battle step moves the defender's score by
    //   d * stepScale / (stepBase + stepPerEP * the larger of the two EP),
    // d being attacker EP x draw minus defender EP x draw, each draw 0..4.
    int stepScale;
    int stepBase;
    int stepPerEP;
    // A battle still open after this many ticks is broken off: the defender
    // keeps the country.
    int battleTickLimit;

    // EP the winner's general earns. With winEPByLoser, only against an
    // equal or stronger general: against a weaker one the share of winEP
    // that the loser's EP are of his own, rounded down (nothing against one
    // with less than a fifth), so beating far weaker generals makes nobody
    // a giant.
    int winEP;
    bool winEPByLoser;
    // No general grows beyond this many EP, by training or by victories: a
    // stand-off that lasts for generations breeds no giants.
    int32_t mostEP;

    // A general in training gains 1 EP on a draw of 0 in 0..odds-1, by the
    // kind of his country (player, passive); a computer opponent's by his
    // strength ("Sehr Leicht" .. "Irrsinnig").
    std::array<int, 2> trainingOdds;
    std::array<int, 5> opponentTrainingOdds;
    // Land makes strong: a side's chance of training is raised by this many
    // per cent of its share of the map's countries (200: a side holding half
    // the map trains twice as fast as one holding nothing).
    int landTrainingPercent;
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
    // Computer opponents start with generals as strong as the player's (the
    // map's own for him, in the same order), so that a strength means the
    // same on every map.
    bool equalStarts;
    // A computer opponent whose home country falls is beaten: he leaves the
    // game, and every country he still holds goes to the side that took his
    // home. Without it two computer sides can trade the same countries for
    // ever.
    bool beatenSidesLeave;
};

extern const std::array<RuleTable, 2> RuleTables;

// The table of a rule set; Klassisch for a value outside the known ones.
const RuleTable& ruleTable(int ruleSet);
inline const RuleTable& rulesOf(const WorldState& world) { return ruleTable(world.ruleSet); }

// The set-up's share of the rules: the passive countries' generals brought
// to the rule set's starting strength (rounded up, so nobody drops to 0 EP).
void applyStartingStrength(WorldState& world);

// The opponents' strength as a step, 0 ("Sehr Leicht") to 4 ("Irrsinnig"),
// from its divisor (256, 64, 16, 4, 1); values between count as the nearer
// harder one.
int strengthStep(int aiDivisor);

// The rule set stored under `key`; Klassisch for anything else.
RuleSet ruleSetFromKey(std::string_view key);

}  // namespace stratagon
