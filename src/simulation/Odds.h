// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "world/Rules.h"

#include <cstdint>

namespace stratagon {

struct WorldState;

// The chance (0..1) that an attacker whose general has attackerEP wins a
// battle opened at 20 : 80 against a general with defenderEP, under the
// battle step's own rules (both draws in 0..4, the 16-bit difference, the
// rule set's step off the defender's score, a side past 100 wins).
//
// The defender's score is the whole state of a battle, and it has only 101
// values before one side wins; so rather than playing the battle out many
// times, the chance is solved exactly over those values: the same number a
// countless number of plays would give, in well under a millisecond. A
// battle that can never end (both generals too weak to move the score)
// counts as not won.
//
// Under a rule set with a length limit, a battle not won within it counts as
// lost. Answers are kept: asked again for generals whose battles would step
// alike, the chance costs a look-up.
double attackChance(const RuleTable& rules, int32_t attackerEP, int32_t defenderEP);
// Klassisch's chance.
double attackChance(int32_t attackerEP, int32_t defenderEP);

// The chance of a general with attackerEP against the general who would
// defend the target (its holder's best one not in battle, as the attack
// picks him), under the game's rule set; below 0 when the target has no
// holder to fight.
double chanceAgainstHolder(const WorldState& world, int target, int32_t attackerEP);

// The player's best chance against the target with a general who may go
// now; below 0 when he has none or there is nothing to fight.
double bestPlayerChance(const WorldState& world, int target);

}  // namespace stratagon
