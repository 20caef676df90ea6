// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/WorldState.h"

#include <algorithm>
#include <array>

namespace stratagon {

int codeToCountry(const WorldState& w, const std::string& code)
{
    int found = 0;
    for (int i = 1; i <= w.countryCount && i <= MaxCountries; ++i)
        if (w.countryCode[i] == code)
            found = i;
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

std::string nameToCode(const WorldState& w, const std::string& name)
{
    const int i = countryIndexByName(w, name);
    return i > 0 ? w.countryCode[std::size_t(i)] : std::string();
}

int neighbourIndex(const WorldState& w, int country, int j)
{
    if (country < 0 || country > MaxCountries || j < 1 || j > MaxNeighbours)
        return 0;
    // The answers of the last world asked about. A kept answer still names
    // the same country, or it is looked up afresh: a map loaded into the same
    // world, or a name changed, shows there.
    struct Kept {
        const WorldState* world = nullptr;
        int32_t countryCount = -1;
        std::array<std::array<int16_t, MaxNeighbours + 1>, MaxCountries + 1> index{};
    };
    static thread_local Kept kept;
    if (kept.world != &w || kept.countryCount != w.countryCount) {
        kept.world = &w;
        kept.countryCount = w.countryCount;
        for (auto& row : kept.index)
            row.fill(0);
    }
    const std::string& name = w.neighbourName[std::size_t(country)][std::size_t(j)];
    int16_t& t = kept.index[std::size_t(country)][std::size_t(j)];
    if (t > 0 && t <= w.countryCount && w.countryName[std::size_t(t)] == name)
        return t;
    t = static_cast<int16_t>(countryIndexByName(w, name));
    return t;
}

const std::string& statusTextOf(int status)
{
    static const std::array<std::string, 4> texts = {QT_TRANSLATE_NOOP("GameStatus", "Bereit für den Einsatz"),
                                                     QT_TRANSLATE_NOOP("GameStatus", "Wird Ausgebildet"),
                                                     QT_TRANSLATE_NOOP("GameStatus", "Wird im Kampf eingesetzt"), ""};
    return texts[std::size_t(status >= Ready && status <= InBattle ? status : 3)];
}

std::string monthName(int month)
{
    static const std::array<const char*, 13> names = {
        "",
        QT_TRANSLATE_NOOP("GameMonths", "Januar"),
        QT_TRANSLATE_NOOP("GameMonths", "Februar"),
        QT_TRANSLATE_NOOP("GameMonths", "März"),
        QT_TRANSLATE_NOOP("GameMonths", "April"),
        QT_TRANSLATE_NOOP("GameMonths", "Mai"),
        QT_TRANSLATE_NOOP("GameMonths", "Juni"),
        QT_TRANSLATE_NOOP("GameMonths", "Juli"),
        QT_TRANSLATE_NOOP("GameMonths", "August"),
        QT_TRANSLATE_NOOP("GameMonths", "September"),
        QT_TRANSLATE_NOOP("GameMonths", "Oktober"),
        QT_TRANSLATE_NOOP("GameMonths", "November"),
        QT_TRANSLATE_NOOP("GameMonths", "Dezember"),
    };
    return month >= 1 && month <= 12 ? names[std::size_t(month)] : "";
}

int holdingSide(const WorldState& w, int country)
{
    if (country < 1 || country > std::min(w.countryCount, MaxCountries))
        return -1;
    const int owner = w.countryOwner[country];
    if (owner == 0)
        return -1;
    const int sides = std::clamp(w.sideMax, 0, static_cast<int>(w.side.size()) - 1);
    for (int s = 0; s <= sides; ++s)
        if (owner == w.side[std::size_t(s)])
            return s;
    return -1;
}

std::string cellCode(const WorldState& w, int column, int row)
{
    if (column < 1 || column > MaxGridSize || row < 1 || row > MaxGridSize)
        return {};
    const char c = w.gridCell[column][row];
    return c ? std::string(1, c) : std::string();
}

int countryNamedIn(const WorldState& w, const Text& text)
{
    const auto home = [&w](int country) {
        return std::find(w.side.begin(), w.side.begin() + std::clamp(w.sideMax + 1, 1, int(w.side.size())), country) !=
               w.side.begin() + std::clamp(w.sideMax + 1, 1, int(w.side.size()));
    };
    int last = 0;
    for (const TextArg& value : text.args)
        if (value.kind == TextArg::Kind::Name)
            if (const int country = countryIndexByName(w, value.text)) {
                if (!home(country))
                    return country;
                last = country;
            }
    return last;
}

}  // namespace stratagon
