// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the map in the world can be played on its picture. The loader
// refuses only what it cannot read or hold; whether a map that reads well
// makes a game is decided here, by one check for every caller (the game's
// start, lists of maps, the mapcheck tool), which names every fault it finds.

#include "world/Text.h"
#include "world/WorldState.h"

#include <string>
#include <string_view>
#include <vector>

namespace stratagon {

// A map picture as the check sees it.
class MapPicture {
public:
    virtual ~MapPicture() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    // 0x00BBGGRR of a pixel inside the picture.
    virtual Rgb colourAt(int x, int y) const = 0;
    // Why the last load gave no picture when the file was there but unusable
    // (cut short, say); empty otherwise.
    virtual Text problem() const { return {}; }
};

// The rules on the map file alone: there is a country; the default side names
// one; no two countries share a code; every neighbour names a country of the
// map; every country has a cell in the grid (else the player can never click
// it, so never take it, so never win). One sentence per fault; empty: no
// fault.
std::vector<Text> checkMapRules(const WorldState& world);

// The rules on the picture: it has the grid's size (columns and rows of 17
// pixels, the last ones may be cut); every seed point lies inside it and on
// its country's own area of colour: the area a fill from the seed paints
// reaches a cell of the country, lies mostly among its cells and the cells
// around them (not the border lines, not the sea) and holds no other seed.
std::vector<Text> checkMapPicture(const WorldState& world, const MapPicture& picture);

// Both; without a picture only the rules on the file.
std::vector<Text> checkPlayability(const WorldState& world, const MapPicture* picture);

// The faults as the text of one message box: a heading, the first `shown`
// faults (at least one), and how many more there are.
Text playabilityMessage(const std::vector<Text>& findings, std::size_t shown = 8);

// What is wrong with a bitmap file's bytes that a picture loader may let
// pass: fewer bytes than its header's pixels need. Empty when nothing is, and
// for files that are no bitmap (their loader judges them).
Text bitmapFileProblem(std::string_view bytes);

}  // namespace stratagon
