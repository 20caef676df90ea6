// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The messages of a game ("Meldungen"), recorded by the rules where things
// happen, so the window, the soak and the tests all see the same list.

#include "world/WorldState.h"

#include <string>

namespace stratagon {

// Appends a line dated with the game's month, dropping the oldest beyond
// MaxEvents.
void recordEvent(WorldState& world, EventKind kind, std::string text);

// Battle k has just been opened: the player's attack, or a threat to him.
void noteBattleOpened(WorldState& world, int k);

// Battle k is decided for `winner` (still in the table, owner already set).
void noteBattleEnded(WorldState& world, int k, int winner);

// A general's EP has risen from epBefore: a new rank of one of the player's
// generals is reported.
void notePromotion(WorldState& world, int side, int slot, int32_t epBefore);

// "März 2003" for an event.
std::string eventDate(const GameEvent& event);

// Own events and threats: what the messages panel makes stand out.
bool eventStandsOut(const GameEvent& event);

}  // namespace stratagon
