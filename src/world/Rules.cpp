// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/Rules.h"

#include <algorithm>
#include <limits>

namespace stratagon {

const std::array<RuleTable, 2> RuleTables = {{
    {
        .key = "klassisch",
        .name = "Klassisch",
        .openingScore = 20,
        .stepScale = 1,
        .stepBase = 10,
        .stepPerEP = 0,
        .battleTickLimit = std::numeric_limits<int>::max(),
        .winEP = 5,
        .winEPByLoser = false,
        .mostEP = std::numeric_limits<int32_t>::max(),
        .trainingOdds = {16, 16},
        .opponentTrainingOdds = {16, 16, 16, 16, 16},
        .landTrainingPercent = 0,
        .passiveStartPercent = 100,
        .playerRecruitEP = 1,
        .opponentRecruitEP = 1,
        .opponentRecruitBonus = 0,
        .opponentRosterSize = 5,
        .opponentTurnFactor = 1,
        .opponentKeptHome = 0,
        .equalStarts = false,
        .beatenSidesLeave = false,
    },
    {
        // Battles open at 30 : 70, and the score moves by the generals'
        // difference measured against the stronger one, in steps large enough
        // that recruits' battles move and a slightly weaker attacker still
        // has a chance: a side at its equal's border is not safe for ever. No
        // battle outlasts four years. Neutral countries start weaker and train
        // slower; the computer opponents start as strong as the player, so a
        // strength means the same on every map, and train at the strength's
        // pace. Land makes strong: the more a side holds, the faster its
        // generals train. Victories pay the loser's share of 5 EP, so nobody
        // grows a giant on weaker generals, and nobody passes 500 EP, so
        // neither does a long stand-off; an opponent whose home falls is
        // out, his land to the side that took it.
        .key = "zuegig",
        .name = "Zügig",
        .openingScore = 30,
        .stepScale = 10,
        .stepBase = 0,
        .stepPerEP = 2,
        .battleTickLimit = 4 * 12 * 4,
        .winEP = 5,
        .winEPByLoser = true,
        .mostEP = 500,
        .trainingOdds = {10, 32},
        .opponentTrainingOdds = {12, 11, 11, 11, 10},
        .landTrainingPercent = 100,
        .passiveStartPercent = 50,
        .playerRecruitEP = 3,
        .opponentRecruitEP = 4,
        .opponentRecruitBonus = 4,
        .opponentRosterSize = 10,
        .opponentTurnFactor = 1,
        .opponentKeptHome = 1,
        .equalStarts = true,
        .beatenSidesLeave = true,
    },
}};

const RuleTable& ruleTable(int ruleSet)
{
    return ruleSet == RulesZuegig ? RuleTables[RulesZuegig] : RuleTables[RulesKlassisch];
}

void applyStartingStrength(WorldState& world)
{
    const RuleTable& rules = rulesOf(world);
    const int player = world.side[0];
    if (rules.equalStarts && player >= 1 && player <= MaxCountries && world.generalCount[player] > 0)
        for (int s = 1; s <= std::clamp(world.sideMax, 0, 9); ++s) {
            const int v = world.side[static_cast<std::size_t>(s)];
            if (v < 1 || v > MaxCountries || v == player)
                continue;
            for (int j = 1; j <= std::clamp(world.generalCount[v], 0, MaxGenerals); ++j)
                world.generalEP[v][j] = world.generalEP[player][std::min(j, world.generalCount[player])];
        }
    const int64_t percent = rules.passiveStartPercent;
    for (int i = 1; i <= std::clamp(world.countryCount, 0, MaxCountries); ++i) {
        if (world.countryKind[i] != KindPassive)
            continue;
        for (int j = 1; j <= std::clamp(world.generalCount[i], 0, MaxGenerals); ++j) {
            int32_t& ep = world.generalEP[i][j];
            ep = static_cast<int32_t>(std::clamp<int64_t>((int64_t{ep} * percent + 99) / 100, 0, INT32_MAX));
        }
    }
}

int strengthStep(int aiDivisor)
{
    int step = 4;
    for (int divisor = std::max(aiDivisor, 1); divisor > 2 && step > 0; divisor /= 4)
        --step;
    return step;
}

RuleSet ruleSetFromKey(std::string_view key)
{
    return key == RuleTables[RulesZuegig].key ? RulesZuegig : RulesKlassisch;
}

}  // namespace stratagon
