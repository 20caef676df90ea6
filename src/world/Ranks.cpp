// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/Ranks.h"

#include <algorithm>

namespace stratagon {

const std::array<RankRow, 20> RankLadder = {{
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
    // The last rank whose range starts at or below ep; beyond "General" it stays.
    const auto above = std::upper_bound(RankLadder.begin() + LowestHeldLevel + 1, RankLadder.end(), ep,
                                        [](int32_t value, const RankRow& row) { return value < row.lowest; });
    return int(above - RankLadder.begin()) - 1;
}

std::string_view rankName(int32_t ep)
{
    return RankLadder[static_cast<std::size_t>(rankLevel(ep))].name;
}

}  // namespace stratagon
