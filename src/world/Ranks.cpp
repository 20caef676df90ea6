// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/Ranks.h"

namespace stratagon {

const std::array<RankRow, 20> RankLadder = {{
    {"Panzergrenadier", "(-40)-(-31)"},
    {"Gefreiter", "(-30)-(-21)"},
    {"Obergefreiter", "(-20)-(-11)"},
    {"Stabsgefreiter", "(-10)-(-1)"},
    {"Unteroffizier", "0 - 4"},
    {"Stabsunteroffizier", "5 - 9"},
    {"Feldwebel", "10 - 14"},
    {"Oberfeldwebel", "15 - 19"},
    {"Stabsfeldwebel", "20 - 24"},
    {"Oberstabsfeldwebel", "25 - 29"},
    {"Leutnamt", "30 - 34"},
    {"Oberleutnamt", "35 - 39"},
    {"Hauptmann", "40 - 44"},
    {"Major", "45 - 49"},
    {"Oberstleutnamt", "50 - 54"},
    {"Oberst", "55 - 64"},
    {"Brigadegeneral", "65 - 74"},
    {"Generalmajor", "75 - 84"},
    {"Generalleutnamt", "85 - 94"},
    {"General", "95 - 100"},
}};

int rankLevel(int32_t ep)
{
    // Below 0 the ladder lists four more ranks, but a general never holds them.
    if (ep <= 4)
        return 4;
    if (ep <= 54)
        return 4 + ep / 5;  // 5-wide steps from "Stabsunteroffizier"
    if (ep <= 94)
        return 15 + (ep - 55) / 10;  // 10-wide steps from "Oberst"
    return 19;
}

std::string_view rankName(int32_t ep)
{
    return RankLadder[static_cast<std::size_t>(rankLevel(ep))].name;
}

}  // namespace stratagon
