// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SaveFields.h"

#include <QCoreApplication>
#include <array>
#include <utility>

namespace stratagon {

// What the ranges alone cannot say: indices that must name countries and
// generals that exist, and battles whose scores add up to 100.
QString savedWorldFault(const WorldState& w)
{
    const int n = w.countryCount;
    const auto country = [n](int i) { return i >= 1 && i <= n; };
    if (!w.playing)
        return QCoreApplication::translate("FileErrors", "er enthält kein laufendes Spiel.");
    for (int i = 1; i <= n; ++i)
        if (!country(w.countryOwner[i]))
            return QCoreApplication::translate("FileErrors", "Land %1 gehört dem Land %2, die Karte hat %3 Länder.")
                .arg(i)
                .arg(w.countryOwner[i])
                .arg(n);
    if (!country(w.side[0]))
        return QCoreApplication::translate("FileErrors", "das Land des Spielers (%1) gibt es nicht.").arg(w.side[0]);
    if (w.gridColumns > MaxGridSize || w.gridRows > MaxGridSize)
        return QCoreApplication::translate("FileErrors", "das Raster ist zu groß.");
    // The picture has the grid's size (the last cells may be cut), and the
    // game starts only when every seed point lies inside it.
    for (int i = 1; i <= n; ++i)
        if (w.fillX[i] >= w.gridColumns * GridCellPixels || w.fillY[i] >= w.gridRows * GridCellPixels)
            return QCoreApplication::translate(
                       "FileErrors", "der Startpunkt (%1, %2) von Land %3 liegt außerhalb des Kartenbilds (%4 × %5).")
                .arg(w.fillX[i])
                .arg(w.fillY[i])
                .arg(i)
                .arg(w.gridColumns * GridCellPixels)
                .arg(w.gridRows * GridCellPixels);
    std::array<bool, MaxCountries + 1> fought{};
    for (int k = 1; k <= w.battleCount; ++k) {
        const int attacker = w.battles[k].attacker;
        const int defender = w.battles[k].defender;
        if (!country(w.battles[k].country) || !country(attacker) || !country(defender))
            return QCoreApplication::translate("FileErrors", "Schlacht %1 nennt ein Land, das es nicht gibt.").arg(k);
        // The rules never open a second battle over a country.
        if (std::exchange(fought[std::size_t(w.battles[k].country)], true))
            return QCoreApplication::translate("FileErrors", "um Land %1 wird in zwei Schlachten gekämpft.")
                .arg(w.battles[k].country);
        // Slot 0 is the stand-in for a general dismissed during the battle.
        if (w.battles[k].attackerGeneral > w.generalCount[attacker] ||
            w.battles[k].defenderGeneral > w.generalCount[defender])
            return QCoreApplication::translate("FileErrors", "Schlacht %1 nennt einen General, den es nicht gibt.")
                .arg(k);
        if (w.battles[k].attackerScore + w.battles[k].defenderScore != 100)
            return QCoreApplication::translate("FileErrors", "in Schlacht %1 ergeben die Punkte %2 und %3 nicht 100.")
                .arg(k)
                .arg(w.battles[k].attackerScore)
                .arg(w.battles[k].defenderScore);
    }
    if (w.events.size() > MaxEvents)
        return QCoreApplication::translate("FileErrors", "es sind %1 Meldungen, höchstens %2 werden aufbewahrt.")
            .arg(w.events.size())
            .arg(MaxEvents);
    const std::vector<MonthSample>& months = w.records.months;
    for (std::size_t i = 1; i < months.size(); ++i)
        if (int64_t{months[i].year} * 12 + months[i].month !=
            int64_t{months[i - 1].year} * 12 + months[i - 1].month + 1)
            return QCoreApplication::translate("FileErrors",
                                               "die Monate der Spielbilanz folgen nicht aufeinander (Eintrag %1).")
                .arg(i);
    return {};
}

}  // namespace stratagon
