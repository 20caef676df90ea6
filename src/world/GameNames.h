// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names of the shipped maps' game data (maps, continents, countries) in
// German, as the maps spell them; written by tools/mapgen/names.mjs. They are
// listed so that the translation catalog offers every one of them.

#include <span>

namespace stratagon {

std::span<const char* const> gameNames();

}  // namespace stratagon
