// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The messages of a game ("Meldungen"), recorded by the rules where things
// happen, so the window, the soak and the tests all see the same list.

#include "simulation/TickReport.h"
#include "world/WorldState.h"

#include <string>

namespace stratagon {

// Appends a line dated with the game's month, dropping the oldest beyond
// MaxEvents.
void recordEvent(WorldState& world, EventKind kind, Text text);

// The messages of what happened: the player's battles opened and ended,
// threats to him, countries changing hands elsewhere, his generals' new ranks.
// A computer opponent's attack is told with its reason when it is on the
// player or on a country beside his land; the others would crowd the log.
void noteBattleOpened(WorldState& world, const BattleNews& battle);
void noteBattleEnded(WorldState& world, const BattleNews& battle);
void noteSideBeaten(WorldState& world, const BeatenNews& beaten);
void notePromotion(WorldState& world, const PromotionNews& promotion);

// "März 2003" for an event, in German (the renderer has it in the reader's
// language).
std::string eventDate(const GameEvent& event);

// Own events and threats: what the messages panel makes stand out.
bool eventStandsOut(const GameEvent& event);

}  // namespace stratagon
