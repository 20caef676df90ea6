// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/Palette.h"

#include <algorithm>
#include <array>

namespace stratagon {

namespace {

constexpr Rgb rgb(int r, int g, int b)
{
    return static_cast<Rgb>(r) | static_cast<Rgb>(g) << 8 | static_cast<Rgb>(b) << 16;
}

// Player first. Every colour differs from the map's pastel countries, and
// none is used by the map itself, so a fill never runs into a neighbour.
constexpr std::array<Rgb, MaxOpponentColours + 1> StandardColours = {
    PlayerColour, OpponentColour, rgb(0, 0, 255), rgb(255, 0, 255), rgb(0, 255, 255), rgb(255, 128, 0)};

// Blue for the player; the opponents dark and warm, far from the blue and
// from the light map under deuteranopia, protanopia and tritanopia alike.
// Their stripes tell them from the player without any colour.
constexpr std::array<SideStyle, MaxOpponentColours + 1> ColourBlindStyles = {{
    {rgb(0, 64, 200), 0, false, 6},
    {rgb(150, 40, 0), rgb(255, 200, 80), true, 6},
    {rgb(20, 20, 20), rgb(230, 230, 230), true, 6},
    {rgb(110, 0, 90), rgb(255, 170, 230), true, 8},
    {rgb(0, 90, 70), rgb(170, 255, 220), true, 8},
    {rgb(90, 60, 0), rgb(255, 230, 120), true, 10},
}};

}  // namespace

SideStyle sideStyle(ColourScheme scheme, int sideNumber)
{
    const auto n = static_cast<std::size_t>(std::clamp(sideNumber, 0, MaxOpponentColours));
    if (scheme == ColourScheme::ColourBlind)
        return ColourBlindStyles[n];
    return {StandardColours[n], 0, false, 6};
}

}  // namespace stratagon
