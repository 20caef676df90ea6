// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/Ranks.h"

#include "world/Text.h"

#include <algorithm>

namespace stratagon {

constexpr std::array<RankRow, 20> RankLadder = {{
    {QT_TRANSLATE_NOOP("GameRanks", "Panzergrenadier"), -40, -31},
    {QT_TRANSLATE_NOOP("GameRanks", "Gefreiter"), -30, -21},
    {QT_TRANSLATE_NOOP("GameRanks", "Obergefreiter"), -20, -11},
    {QT_TRANSLATE_NOOP("GameRanks", "Stabsgefreiter"), -10, -1},
    {QT_TRANSLATE_NOOP("GameRanks", "Unteroffizier"), 0, 4},
    {QT_TRANSLATE_NOOP("GameRanks", "Stabsunteroffizier"), 5, 9},
    {QT_TRANSLATE_NOOP("GameRanks", "Feldwebel"), 10, 14},
    {QT_TRANSLATE_NOOP("GameRanks", "Oberfeldwebel"), 15, 19},
    {QT_TRANSLATE_NOOP("GameRanks", "Stabsfeldwebel"), 20, 24},
    {QT_TRANSLATE_NOOP("GameRanks", "Oberstabsfeldwebel"), 25, 29},
    {QT_TRANSLATE_NOOP("GameRanks", "Leutnamt"), 30, 34},
    {QT_TRANSLATE_NOOP("GameRanks", "Oberleutnamt"), 35, 39},
    {QT_TRANSLATE_NOOP("GameRanks", "Hauptmann"), 40, 44},
    {QT_TRANSLATE_NOOP("GameRanks", "Major"), 45, 49},
    {QT_TRANSLATE_NOOP("GameRanks", "Oberstleutnamt"), 50, 54},
    {QT_TRANSLATE_NOOP("GameRanks", "Oberst"), 55, 64},
    {QT_TRANSLATE_NOOP("GameRanks", "Brigadegeneral"), 65, 74},
    {QT_TRANSLATE_NOOP("GameRanks", "Generalmajor"), 75, 84},
    {QT_TRANSLATE_NOOP("GameRanks", "Generalleutnamt"), 85, 94},
    {QT_TRANSLATE_NOOP("GameRanks", "General"), 95, 100},
}};

namespace {

// Below 0 the ladder lists four more ranks, but a general never holds them.
constexpr int LowestHeldLevel = 4;
constexpr int32_t TopEP = RankLadder.back().highest;

// The level of every EP value from 0 to the top, worked out from the ladder
// once: the clock asks for it on every change of a general's EP.
constexpr std::array<int8_t, TopEP + 1> LevelByEP = [] {
    std::array<int8_t, TopEP + 1> levels{};
    for (int32_t ep = 0; ep <= TopEP; ++ep) {
        int level = LowestHeldLevel;
        while (level + 1 < int(RankLadder.size()) && RankLadder[std::size_t(level + 1)].lowest <= ep)
            ++level;
        levels[std::size_t(ep)] = int8_t(level);
    }
    return levels;
}();

}  // namespace

std::string RankRow::range() const
{
    // Negative bounds are bracketed so that their signs stand apart from the dash.
    if (lowest < 0 || highest < 0)
        return "(" + std::to_string(lowest) + ")-(" + std::to_string(highest) + ")";
    return std::to_string(lowest) + " - " + std::to_string(highest);
}

int rankLevel(int32_t ep)
{
    // Below 0 a general keeps the lowest rank he can hold; above the top, "General".
    return LevelByEP[std::size_t(std::clamp(ep, 0, TopEP))];
}

std::string_view rankName(int32_t ep) { return RankLadder[static_cast<std::size_t>(rankLevel(ep))].name; }

}  // namespace stratagon
