// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the game says about its files (the settings file, saves, pictures)
// in the player's language.

#include <QString>

namespace stratagon {

struct FileResult;

namespace gametext {

// Why reading or writing a file failed: "Zugriff verweigert."
QString reason(const FileResult& result);
// The values of the settings file moved into the window's ranges, a line each;
// empty when none was.
QString notice(const FileResult& result);

}  // namespace gametext
}  // namespace stratagon
