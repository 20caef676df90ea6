// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which sound, if any, the player hears for what just happened: one effect
// per tick at most, the one that matters most to him.

#include "simulation/PlayerActions.h"
#include "simulation/TickReport.h"

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

}  // namespace stratagon
