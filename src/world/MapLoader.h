// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "world/Text.h"
#include "world/WorldState.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace stratagon {

struct MapLoadResult {
    bool ok = false;
    Text message;  // for the message box; empty when ok
    Text title;    // "Fehler !"
};

// Longest name or text of a map (continent, default side, country, neighbour,
// general): far more than any real name, short enough for every window.
constexpr std::size_t MaxMapTextLength = 100;
// A map of 100 countries with 99 generals each and every text at its longest
// stays below 2 MB; a larger file is refused before it is parsed.
constexpr std::size_t MaxMapFileBytes = std::size_t(4) * 1024 * 1024;

// The German source of the wrong-version message.
extern const char* const WrongMapVersionMessage;

// Reads a .mgi map file (Windows-1252) into the world. On any failure the
// world is left exactly as it was and the result says what was wrong.
MapLoadResult loadMap(WorldState& world, const std::string& path);

// The same from bytes already in memory; `path` becomes mapFileName.
MapLoadResult loadMapFromBytes(WorldState& world, std::string_view bytes, const std::string& path);

// The name of the picture that belongs to a map file: its base name with
// ".bmp" ("cards/Afrika.mgi" gives "Afrika.bmp").
std::string mapPictureName(std::string_view mapFile);

// Windows-1252 to UTF-8, all 256 byte values.
std::string windows1252ToUtf8(std::string_view bytes);
// UTF-8 to Windows-1252; characters it cannot hold become '?'.
std::string utf8ToWindows1252(std::string_view text);

}  // namespace stratagon
