// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Walking the map without a pointer: from a country to the neighbour that
// lies in a direction, and to a country by the first letters of its name.
// The keyboard and a screen reader use the same walk.

#include "world/WorldState.h"

#include <string>
#include <vector>

namespace stratagon {

enum class Heading { Left, Right, Up, Down };

// The neighbour of `from` (neighbours across the sea included) whose seed
// point lies most nearly in the heading from the seed of `from`: the
// smallest angle, the nearer one on a tie. Only neighbours less than 90°
// off count; 0 when there is none or `from` is no country.
int neighbourToward(const WorldState& world, int from, Heading heading);

// The valid neighbours of a country, each once, in the map's order.
std::vector<int> neighboursOf(const WorldState& world, int country);

// The countries in the order of their names, case folded.
std::vector<int> countriesByName(const WorldState& world);

// The first country in name order whose name starts with `prefix` (case
// folded, umlauts included), searching from `current` on and wrapping
// round; `current` itself is taken only when `includeCurrent`. 0 when no
// name starts with it.
int countryByPrefix(const WorldState& world, const std::string& prefix, int current, bool includeCurrent);

// A UTF-8 text in lower case for Latin letters (A-Z, À-Þ).
std::string foldCase(const std::string& text);

}  // namespace stratagon
