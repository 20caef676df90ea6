// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Saved games of earlier versions of the format, brought to the current one
// before they are read: one step per version, so the reader knows only the
// newest keys.

#include <QJsonObject>
#include <QString>

namespace stratagon {

// Upgrades the "game" object of a save of format `version` in place.
// Returns what is wrong ("„game.battleCountry“ ist keine Liste.") when the
// old keys cannot be carried over; empty when they can.
QString upgradeSavedGame(QJsonObject& game, int version);

}  // namespace stratagon
