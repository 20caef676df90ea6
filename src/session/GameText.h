// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules' texts and the game data in the player's language: the one
// place where a Text of the rules becomes something to show. Windows call
// these and never translate the rules' strings themselves. With no
// translator installed every function yields the German of the game.

#include "world/Text.h"

#include <QString>

#include <string>

namespace stratagon {

struct GameEvent;
struct WorldState;

namespace gametext {

// Contexts of the game data (the rules' messages use those of world/Text.h).
constexpr const char* NamesContext = "GameNames";  // countries, continents, maps
constexpr const char* RanksContext = "GameRanks";
constexpr const char* MonthsContext = "GameMonths";
constexpr const char* StatusContext = "GameStatus";

QString render(const Text& text);
// Texts one after another, `separator` between them.
QString render(const std::vector<Text>& parts, QStringView separator = {});

// A country, continent or map name as the map spells it (German).
QString name(const std::string& german);
QString rankName(int32_t ep);
// A computer opponent's character (simulation/Character.h) and its line.
QString characterName(int character);
QString characterDescription(int character);
// The line of "Gemischt".
QString mixDescription();
// The side's country, for a computer opponent with a character other than
// the plain one with it: "Ägypten (Eroberer)".
QString sideName(const WorldState& world, int side);
// The rank of the ladder's row `level` (0..19), as the ranks window lists them.
QString rankTitle(int level);
QString monthName(int month);  // empty outside 1..12
QString statusName(int status);
// "März 2003"
QString date(int month, int year);
QString eventDate(const GameEvent& event);

}  // namespace gametext
}  // namespace stratagon
