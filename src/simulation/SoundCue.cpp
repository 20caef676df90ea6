// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/SoundCue.h"

#include "world/Ranks.h"
#include "world/WorldState.h"

#include <algorithm>

namespace stratagon {

namespace {

SoundCue cueOf(const WorldState& world, const Happening& h)
{
    const int player = world.side[0];
    const BattleNews& b = h.battle;
    switch (h.kind) {
    case Happening::Kind::BattleOpened:
        if (b.attacker == player)
            return SoundCue::PlayerAttack;
        return b.defender == player ? SoundCue::UnderAttack : SoundCue::None;
    case Happening::Kind::BattleEnded:
        if (b.attacker == player)
            return b.winner == player ? SoundCue::CountryConquered : SoundCue::BattleLost;
        if (b.defender == player)
            return b.winner == player ? SoundCue::BattleWon : SoundCue::CountryLost;
        return SoundCue::None;
    case Happening::Kind::Promotion: {
        // Experience that stays within its rank is no promotion (as in the messages).
        const PromotionNews& p = h.promotion;
        const bool rose = p.side == player && p.slot >= 1 && rankLevel(p.epBefore) != rankLevel(p.epAfter);
        return rose ? SoundCue::Promotion : SoundCue::None;
    }
    case Happening::Kind::SideBeaten:
        return h.beaten.by == player ? SoundCue::CountryConquered : SoundCue::None;
    }
    return SoundCue::None;
}

}  // namespace

SoundCue soundCueFor(const WorldState& world, const TickReport& report)
{
    if (report.outcome == GameOutcome::Won)
        return SoundCue::GameWon;
    if (report.outcome == GameOutcome::Lost)
        return SoundCue::GameLost;
    SoundCue cue = SoundCue::None;
    for (const Happening& h : report.happenings)
        cue = std::max(cue, cueOf(world, h));
    return cue;
}

SoundCue soundCueFor(AttackOutcome outcome)
{
    return outcome == AttackOutcome::Launched ? SoundCue::PlayerAttack : SoundCue::None;
}

SoundCue SoundPacer::pass(SoundCue cue, int64_t nowMs)
{
    if (cue != SoundCue::Promotion)
        return cue;
    if (lastPromotion_ && nowMs - *lastPromotion_ < PromotionGapMs)
        return SoundCue::None;
    lastPromotion_ = nowMs;
    return cue;
}

}  // namespace stratagon
