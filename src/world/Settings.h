// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "world/Text.h"
#include "world/WorldState.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace stratagon {

struct FileResult {
    bool ok = true;
    int errorNumber = 0;  // errno-style number for the title "Fehler : N"
    // Why it failed, as texts of FileErrorsContext read one after another
    // (where it failed, then the cause), so each part is translated whole.
    std::vector<Text> reason;
    // The same in German, as one string: for the tools and the rules' own
    // sentences that quote it.
    std::string description;
    // On success: a line for each value moved into the settings window's
    // range and one on choosing anew; empty when both were used as they stand.
    std::vector<Text> notice;
};

// The ranges the settings window offers. A value outside them gives a clock
// of 1 ms or one that never ticks, an opponent that never acts or acts on
// every tick for ever.
constexpr int32_t ShortestMonth = 416;
constexpr int32_t LongestMonth = 20000;
constexpr int32_t MostActiveOpponent = 1;
constexpr int32_t LeastActiveOpponent = 256;

// game.dat holds two short numbers; more than this is never read.
constexpr std::size_t SettingsReadLimit = 4096;

// Reads monthInterval and aiDivisor, the first two numbers of the file.
// Only a regular file (or a link to one) is opened, and only its first
// SettingsReadLimit bytes are read. Fails on a missing or unreadable file and
// on fewer than two numbers; the world is changed only on success.
FileResult readSettings(WorldState& world, const std::string& path);

// The same on the file's bytes. Values outside the window's ranges are moved
// to the nearest end of the range and the result's notice says so.
FileResult parseSettings(WorldState& world, std::string_view text);

// The file's content for two values: " 416 \r\n 16 \r\n".
std::string settingsFileText(int monthInterval, int aiDivisor);

// Reads at most limit + 1 bytes of a regular file (or a link to one) into
// bytes, so that a caller sees that there is more; a pipe, a device or a
// socket is refused before it is opened, so nothing blocks.
FileResult readRegularFile(const std::string& path, std::size_t limit, std::string& bytes);
// Whether a symbolic link is followed to what it names or refused.
enum class Links { Follow, Refuse };
// The same into any buffer: `resize(size)` makes it `size` bytes long and
// gives its first byte.
FileResult readRegularFile(const std::string& path, std::size_t limit,
                           const std::function<char*(std::size_t size)>& resize, Links links = Links::Follow);

// What an errno value means for the player.
Text describeError(int errorNumber);

// A failed result for an errno value, described by describeError.
FileResult fileFailure(int errorNumber);
// A failed result for an errno value with its own reason.
FileResult fileFailure(int errorNumber, std::vector<Text> reason);

// Success for a regular file, by its stat mode; else the failure for a
// folder, a pipe, a device or a socket.
FileResult requireRegularFile(unsigned mode);

}  // namespace stratagon
