// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Situation.h"

#include "simulation/Battle.h"
#include "simulation/Odds.h"
#include "simulation/Pace.h"
#include "simulation/PlayerActions.h"

#include <algorithm>

namespace stratagon {

namespace {

Text message(const char* id, std::vector<TextArg> args = {}) { return {MessagesContext, id, std::move(args)}; }

TextArg nameOf(const WorldState& w, int country)
{
    return TextArg::name(validSideIndex(country) ? w.countryName[country] : std::string());
}

int battleCount(const WorldState& w) { return std::clamp(w.battleCount, 0, MaxBattles); }

}  // namespace

std::vector<int> attackedCountries(const WorldState& w)
{
    std::vector<int> countries;
    const int player = w.side[0];
    for (int k = 1; k <= battleCount(w); ++k) {
        const Battle& b = w.battles[k];
        if (validCountry(w, b.country) && w.countryOwner[b.country] == player && b.attacker != player)
            countries.push_back(b.country);
    }
    std::sort(countries.begin(), countries.end());
    countries.erase(std::unique(countries.begin(), countries.end()), countries.end());
    return countries;
}

std::vector<int> attackableCountries(const WorldState& w)
{
    std::vector<std::pair<double, int>> ranked;
    for (int c = 1; c <= std::min(w.countryCount, MaxCountries); ++c)
        // A country fought over already cannot take a second attack: the
        // key passes it by.
        if (attackableCode(w, w.countryCode[c]) && !countryContested(w, c))
            ranked.emplace_back(-bestPlayerChance(w, c), c);
    std::sort(ranked.begin(), ranked.end());
    std::vector<int> countries;
    for (const auto& [chance, country] : ranked)
        countries.push_back(country);
    return countries;
}

int nextInList(const std::vector<int>& countries, int from)
{
    if (countries.empty())
        return 0;
    const auto at = std::find(countries.begin(), countries.end(), from);
    if (at == countries.end() || at + 1 == countries.end())
        return countries.front();
    return *(at + 1);
}

Text situationText(const WorldState& w, bool clockRunning)
{
    const int player = w.side[0];
    std::vector<Text> parts;
    parts.push_back(message(QT_TRANSLATE_NOOP("GameMessages", "%1 %2."), {TextArg::month(w.month), TextArg::num(w.year)}));
    int held = 0;
    for (int c = 1; c <= std::min(w.countryCount, MaxCountries); ++c)
        held += w.countryOwner[c] == player ? 1 : 0;
    parts.push_back(message(QT_TRANSLATE_NOOP("GameMessages", "Deine Länder: %1 von %2."),
                            {TextArg::num(held), TextArg::num(w.countryCount)}));
    int own = 0;
    for (int k = 1; k <= battleCount(w); ++k)
        own += w.battles[k].attacker == player || w.battles[k].defender == player ? 1 : 0;
    parts.push_back(message(QT_TRANSLATE_NOOP("GameMessages", "Schlachten: %1, deine: %2."),
                            {TextArg::num(battleCount(w)), TextArg::num(own)}));
    const std::vector<int> attacked = attackedCountries(w);
    if (attacked.empty())
        parts.push_back(message(QT_TRANSLATE_NOOP("GameMessages", "Kein Angriff auf dich.")));
    for (const int country : attacked)
        for (int k = 1; k <= battleCount(w); ++k)
            if (w.battles[k].country == country) {
                parts.push_back(message(QT_TRANSLATE_NOOP("GameMessages", "%1 greift %2 an."),
                                        {nameOf(w, w.battles[k].attacker), nameOf(w, country)}));
                break;
            }
    int free = 0;
    for (int slot = 1; slot <= std::clamp(w.generalCount[std::clamp(player, 0, MaxCountries)], 0, MaxGenerals); ++slot)
        free += generalReady(w, player, slot) ? 1 : 0;
    parts.push_back(message(QT_TRANSLATE_NOOP("GameMessages", "Freie Generäle: %1."), {TextArg::num(free)}));
    const TextArg pace = TextArg::plain(currentPace(w).text);
    if (!w.playing)
        parts.push_back(message(QT_TRANSLATE_NOOP("GameMessages", "Das Spiel ist vorbei.")));
    else if (clockRunning)
        parts.push_back(message(QT_TRANSLATE_NOOP("GameMessages", "Tempo %1, Spiel läuft."), {pace}));
    else
        parts.push_back(message(QT_TRANSLATE_NOOP("GameMessages", "Tempo %1, Spiel pausiert."), {pace}));
    return sentences(std::move(parts));
}

Text chartText(const WorldState& w)
{
    const GameRecords& r = w.records;
    std::vector<Text> parts;
    parts.push_back(message(QT_TRANSLATE_NOOP("GameMessages", "Dein größtes Reich: %1 Länder, %2 %3."),
                            {TextArg::num(r.largestEmpire), TextArg::month(r.largestEmpireDate.month),
                             TextArg::num(r.largestEmpireDate.year)}));
    const int sides = std::clamp(w.sideMax, 0, RecordedSides - 1);
    // The last month an opponent came to hold more than the player after holding no more.
    int overtaker = 0;
    const MonthSample* when = nullptr;
    for (std::size_t m = 1; m < r.months.size(); ++m)
        for (int place = 1; place <= sides; ++place) {
            const MonthSample& before = r.months[m - 1];
            const MonthSample& now = r.months[m];
            if (before.held[place] <= before.held[0] && now.held[place] > now.held[0])
                overtaker = w.side[place], when = &now;
        }
    if (when)
        parts.push_back(message(QT_TRANSLATE_NOOP("GameMessages", "%1 hat dich zuletzt %2 %3 überholt."),
                                {nameOf(w, overtaker), TextArg::month(when->month), TextArg::num(when->year)}));
    else
        parts.push_back(message(QT_TRANSLATE_NOOP("GameMessages", "Kein Gegner hat dich überholt.")));
    return sentences(std::move(parts));
}

}  // namespace stratagon
