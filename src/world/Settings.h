#pragma once

#include "world/WorldState.h"

#include <string>
#include <string_view>

namespace stratagon {

struct FileResult {
    bool ok = true;
    int errorNumber = 0;      // errno-style number for the title "Fehler : N"
    std::string description;  // German description of the failure
};

// Reads monthInterval and aiDivisor, the first two numbers of the file.
// Fails on a missing or unreadable file and on fewer than two numbers; the
// world is changed only on success.
FileResult readSettings(WorldState& world, const std::string& path);

// The same on the file's bytes.
FileResult parseSettings(WorldState& world, std::string_view text);

// The file's content for two values: " 416 \r\n 16 \r\n".
std::string settingsFileText(int monthInterval, int aiDivisor);

// Replaces the settings file: fails when it does not exist (the old file is
// taken away first), otherwise writes a temporary file beside it and renames
// it over, so a failure never leaves half a file.
FileResult writeSettings(const std::string& path, int monthInterval, int aiDivisor);

// German description of an errno value.
std::string describeError(int errorNumber);

// Start-up status texts 0..2.
void fillStatusTexts(WorldState& world);

}  // namespace stratagon
