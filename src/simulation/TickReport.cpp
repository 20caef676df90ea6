// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/TickReport.h"

#include "simulation/Events.h"
#include "simulation/Records.h"

#include <algorithm>

namespace stratagon {

bool TickReport::anyBattleOpened() const
{
    return std::any_of(happenings.begin(), happenings.end(),
                       [](const Happening& h) { return h.kind == Happening::Kind::BattleOpened; });
}

bool TickReport::anyBattleEnded() const
{
    return std::any_of(happenings.begin(), happenings.end(),
                       [](const Happening& h) { return h.kind == Happening::Kind::BattleEnded; });
}

std::vector<BattleNews> TickReport::countriesTaken() const
{
    std::vector<BattleNews> taken;
    for (const Happening& h : happenings)
        if (h.kind == Happening::Kind::BattleEnded && h.battle.winner != h.battle.formerHolder)
            taken.push_back(h.battle);
    return taken;
}

void chronicle(WorldState& world, const Happening& happening)
{
    switch (happening.kind) {
    case Happening::Kind::BattleOpened:
        recordBattleOpened(world, happening.battle);
        noteBattleOpened(world, happening.battle);
        break;
    case Happening::Kind::BattleEnded:
        recordBattleEnded(world, happening.battle);
        noteBattleEnded(world, happening.battle);
        break;
    case Happening::Kind::Promotion:
        notePromotion(world, happening.promotion);
        break;
    case Happening::Kind::SideBeaten:
        recordSideBeaten(world, happening.beaten);
        noteSideBeaten(world, happening.beaten);
        break;
    }
}

void chronicle(WorldState& world, const TickReport& report)
{
    for (const Happening& h : report.happenings)
        chronicle(world, h);
}

}  // namespace stratagon
