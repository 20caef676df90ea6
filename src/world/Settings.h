// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "world/WorldState.h"

#include <string>
#include <string_view>

namespace stratagon {

struct FileResult {
    bool ok = true;
    int errorNumber = 0;      // errno-style number for the title "Fehler : N"
    std::string description;  // German description of the failure
    // On success: German note that a value was moved into the settings
    // window's range; empty when both were used as they stand.
    std::string notice;
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

// The system calls the writer makes, so that a test can make each one fail.
// Each returns 0 or the errno of its failure.
class SettingsFileOps {
public:
    virtual ~SettingsFileOps() = default;
    virtual int create(const std::string& path, unsigned mode, int& fd);  // new file, never an old one
    virtual int write(int fd, std::string_view bytes);                    // all of them
    virtual int sync(int fd);
    virtual int close(int fd);
    virtual int rename(const std::string& from, const std::string& to);
};

// Replaces the settings file: fails when it does not exist, when it is read-
// only (no write bit, whoever runs the game) or not a regular file. A
// symbolic link is followed, so its target gets the new values and the link
// stays. The values go to a temporary file beside the target, which is
// written, synced and closed, each step checked, and only then renamed over
// it with the target's mode; a failure leaves the old file as it was.
FileResult writeSettings(const std::string& path, int monthInterval, int aiDivisor);
FileResult writeSettings(const std::string& path, int monthInterval, int aiDivisor, SettingsFileOps& ops);

// Reads at most limit + 1 bytes of a regular file (or a link to one) into
// bytes, so that a caller sees that there is more; a pipe, a device or a
// socket is refused before it is opened, so nothing blocks.
FileResult readRegularFile(const std::string& path, std::size_t limit, std::string& bytes);

// German description of an errno value.
std::string describeError(int errorNumber);

// Start-up status texts 0..2.
void fillStatusTexts(WorldState& world);

}  // namespace stratagon
