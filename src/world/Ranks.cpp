// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/Ranks.h"

#include <algorithm>

namespace stratagon {

constexpr std::array<RankRow, 20> RankLadder = {{
    {"Panzergrenadier", -40, -31},
    {"Gefreiter", -30, -21},
    {"Obergefreiter", -20, -11},
    {"Stabsgefreiter", -10, -1},
    {"Unteroffizier", 0, 4},
    {"Stabsunteroffizier", 5, 9},
    {"Feldwebel", 10, 14},
    {"Oberfeldwebel", 15, 19},
    {"Stabsfeldwebel", 20, 24},
    {"Oberstabsfeldwebel", 25, 29},
    {"Leutnamt", 30, 34},
    {"Oberleutnamt", 35, 39},
    {"Hauptmann", 40, 44},
    {"Major", 45, 49},
    {"Oberstleutnamt", 50, 54},
    {"Oberst", 55, 64},
    {"Brigadegeneral", 65, 74},
    {"Generalmajor", 75, 84},
    {"Generalleutnamt", 85, 94},
    {"General", 95, 100},
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

std::string_view rankName(int32_t ep)
{
    return RankLadder[static_cast<std::size_t>(rankLevel(ep))].name;
}

}  // namespace stratagon
