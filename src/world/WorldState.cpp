// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/WorldState.h"

namespace stratagon {

int codeToCountry(const WorldState& w, const std::string& code)
{
    int found = 0;
    for (int i = 1; i <= w.countryCount && i <= MaxCountries; ++i)
        if (w.countryCode[i] == code)
            found = i;
    return found;
}

std::string nameToCode(const WorldState& w, const std::string& name)
{
    std::string found;
    for (int i = 1; i <= w.countryCount && i <= MaxCountries; ++i)
        if (w.countryName[i] == name)
            found = w.countryCode[i];
    return found;
}

int countryIndexByName(const WorldState& w, const std::string& name)
{
    int found = 0;
    for (int i = 1; i <= w.countryCount && i <= MaxCountries; ++i)
        if (w.countryName[i] == name)
            found = i;
    return found;
}

const std::string& statusTextOf(const WorldState& w, int status)
{
    static const std::string none;
    return status >= 0 && status < static_cast<int>(w.statusText.size()) ? w.statusText[status] : none;
}

std::string cellCode(const WorldState& w, int column, int row)
{
    if (column < 1 || column > MaxGridSize || row < 1 || row > MaxGridSize)
        return {};
    const char c = w.gridCell[column][row];
    return c ? std::string(1, c) : std::string();
}

}  // namespace stratagon
