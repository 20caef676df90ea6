// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SettingsFile.h"

namespace stratagon {

FileResult writeSettings(const std::string& path, int monthInterval, int aiDivisor)
{
    FileOps system;
    return writeSettings(path, monthInterval, aiDivisor, system);
}

FileResult writeSettings(const std::string& path, int monthInterval, int aiDivisor, FileOps& ops)
{
    return writeFileAtomically(path, settingsFileText(monthInterval, aiDivisor), Replace::Only, ops);
}

}  // namespace stratagon
