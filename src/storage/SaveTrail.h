// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A game's trail in its save: the seed, where the source stands, the ticks
// run and the player's orders, each a short list of numbers with the ticks
// since the order before ([ticks, kind, values...]). The world where the
// trail starts is written as those of its fields that differ from the
// game's.

#include "simulation/Trail.h"

#include <QJsonObject>
#include <QString>

namespace stratagon {

// The trail's numbers and orders; "origin" is added by the caller.
QJsonObject encodeTrail(const GameTrail& trail);

// Reads the numbers and orders into `trail` (its origin left alone); the
// fault, a phrase for a message, when anything is missing, out of range or
// out of order. `side` is the player's country, whose orders these are;
// `mostTicks` bounds the ticks the trail may claim.
QString decodeTrail(const QJsonObject& object, int side, int64_t mostTicks, GameTrail& trail);

// The trail as a save keeps it beside `game`, the saved game's own object:
// its numbers and orders, and the fields of its start that differ from the game's.
QJsonObject trailObject(const GameTrail& trail, const QJsonObject& game);

// The trail kept beside `game` into `trail`, `staged` being the game read:
// the fault, a phrase for a message, when it is damaged or, computed again,
// does not lead to `staged`.
QString readTrail(const QJsonValue& value, const QJsonObject& game, const WorldState& staged, GameTrail& trail);

}  // namespace stratagon
