// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colours the map shows the sides in. Two schemes: the game's own red
// and green, and one that stays apart under the common colour-vision
// deficiencies and adds stripes as a cue that needs no colour at all.

#include "world/WorldState.h"

namespace stratagon {

enum class ColourScheme { Standard, ColourBlind };

constexpr int MaxOpponentColours = 5;

struct SideStyle {
    Rgb colour = 0;
    Rgb stripes = 0;       // colour of the diagonal stripes when striped
    bool striped = false;
    int stripeStep = 6;    // period of the stripes in pixels; differs per opponent

    bool operator==(const SideStyle&) const = default;
};

// How the map paints a side: number 0 is the player, 1..5 the computer
// opponents in the order of `side`. Numbers past 5 reuse the last colour.
SideStyle sideStyle(ColourScheme scheme, int sideNumber);

// The colour alone.
inline Rgb sideColour(ColourScheme scheme, int sideNumber) { return sideStyle(scheme, sideNumber).colour; }

}  // namespace stratagon
