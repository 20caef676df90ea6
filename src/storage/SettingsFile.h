// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writing game.dat; reading it is part of the rules (world/Settings.h).

#include "storage/AtomicFile.h"

#include <string>

namespace stratagon {

// Replaces the settings file through the one atomic writer: fails when it
// does not exist (it is never made anew), when it is read-only or not a
// regular file. A symbolic link is followed, so its target gets the new
// values and the link stays.
FileResult writeSettings(const std::string& path, int monthInterval, int aiDivisor);
FileResult writeSettings(const std::string& path, int monthInterval, int aiDivisor, FileOps& ops);

}  // namespace stratagon
