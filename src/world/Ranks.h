// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace stratagon {

struct RankRow {
    std::string_view name;
    std::string_view range;  // as printed in the ranks window
};

// The 20 ranks in order, with the EP range the ranks window prints.
extern const std::array<RankRow, 20> RankLadder;

// The rank shown for an EP value: one of the 16 names from "Unteroffizier" up.
std::string_view rankName(int32_t ep);
// Its place in RankLadder: 4 ("Unteroffizier") to 19.
int rankLevel(int32_t ep);

}  // namespace stratagon
