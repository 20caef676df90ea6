// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which sound, if any, the player hears for what just happened: one effect
// per tick at most, the one that matters most to him.

#include "simulation/PlayerActions.h"
#include "simulation/TickReport.h"

#include <cstdint>
#include <optional>

namespace stratagon {

struct WorldState;

// In rising importance: when several fall in one tick the last wins. The end
// of the game outranks everything, for it ends the war; of the rest an attack
// on the player comes first, so that he hears it even when he looks away.
enum class SoundCue {
    None,
    PlayerAttack,      // the player's attack opened
    Promotion,         // one of his generals rose in rank
    BattleWon,         // he held a country he was attacked in
    BattleLost,        // his attack failed
    CountryConquered,  // his attack took the country
    CountryLost,       // an attacker took a country of his
    UnderAttack,       // a country of his is attacked
    GameWon,
    GameLost,
};

constexpr int SoundCueCount = static_cast<int>(SoundCue::GameLost) + 1;

// The cue of a tick, seen from the player's side (world.side[0]); None when
// nothing of his happened.
SoundCue soundCueFor(const WorldState& world, const TickReport& report);

// The cue of the player's own attack order: only one that opened a battle.
SoundCue soundCueFor(AttackOutcome outcome);

// The cues as an ear can bear them at any pace: at most one promotion every
// few seconds, however many generals rise; every other cue, the one that
// mattered most in its tick, plays at once. The time is the caller's, in
// ms from any fixed start, so that tests give it.
class SoundPacer {
public:
    static constexpr int64_t PromotionGapMs = 4000;

    // The cue to play now: `cue`, or None for a promotion too soon after the last one.
    SoundCue pass(SoundCue cue, int64_t nowMs);

private:
    std::optional<int64_t> lastPromotion_;
};

}  // namespace stratagon
