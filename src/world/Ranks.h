// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace stratagon {

struct RankRow {
    std::string_view name;
    int32_t lowest;   // the EP range of the rank, both ends included
    int32_t highest;

    // The range as printed in the ranks window: "0 - 4", "(-40)-(-31)".
    std::string range() const;
};

// The 20 ranks in order, with their EP ranges.
extern const std::array<RankRow, 20> RankLadder;

// The rank shown for an EP value: one of the 16 names from "Unteroffizier" up.
std::string_view rankName(int32_t ep);
// Its place in RankLadder: 4 ("Unteroffizier") to 19.
int rankLevel(int32_t ep);

}  // namespace stratagon
