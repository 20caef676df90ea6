// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/Rules.h"

#include <algorithm>
#include <limits>

namespace stratagon {

const std::array<RuleTable, 2> RuleTables = {{
    {
        .key = "klassisch",
        .name = "Klassisch",
        .stepScale = 1,
        .stepBase = 10,
        .stepPerEP = 0,
        .battleTickLimit = std::numeric_limits<int>::max(),
        .winEP = 5,
        .trainingOdds = {16, 16, 16},
        .passiveStartPercent = 100,
        .playerRecruitEP = 1,
        .opponentRecruitEP = 1,
        .opponentRecruitBonus = 0,
        .opponentRosterSize = 5,
        .opponentTurnFactor = 1,
        .opponentKeptHome = 0,
    },
    {
        // The score moves by the generals' difference measured against the
        // stronger one, so battles between fresh recruits move as fast as
        // between marshals, and no battle outlasts four years. Neutral
        // countries start weaker and train slower. Victories pay no more than
        // in Klassisch: a larger reward let two strong sides trade countries
        // back and forth for centuries.
        .key = "zuegig",
        .name = "Zügig",
        .stepScale = 5,
        .stepBase = 0,
        .stepPerEP = 2,
        .battleTickLimit = 4 * 12 * 4,
        .winEP = 5,
        .trainingOdds = {10, 32, 12},
        .passiveStartPercent = 50,
        .playerRecruitEP = 3,
        .opponentRecruitEP = 4,
        .opponentRecruitBonus = 4,
        .opponentRosterSize = 10,
        .opponentTurnFactor = 1,
        .opponentKeptHome = 1,
    },
}};

const RuleTable& ruleTable(int ruleSet)
{
    return ruleSet == RulesZuegig ? RuleTables[RulesZuegig] : RuleTables[RulesKlassisch];
}

void applyStartingStrength(WorldState& world)
{
    const int64_t percent = rulesOf(world).passiveStartPercent;
    for (int i = 1; i <= std::clamp(world.countryCount, 0, MaxCountries); ++i) {
        if (world.countryKind[i] != KindPassive)
            continue;
        for (int j = 1; j <= std::clamp(world.generalCount[i], 0, MaxGenerals); ++j) {
            int32_t& ep = world.generalEP[i][j];
            ep = static_cast<int32_t>(std::clamp<int64_t>((int64_t{ep} * percent + 99) / 100, 0, INT32_MAX));
        }
    }
}

RuleSet ruleSetFromKey(std::string_view key)
{
    return key == RuleTables[RulesZuegig].key ? RulesZuegig : RulesKlassisch;
}

}  // namespace stratagon
