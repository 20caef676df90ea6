// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SaveUpgrade.h"

#include "storage/JsonFields.h"
#include "storage/JsonShape.h"
#include "world/WorldState.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <algorithm>
#include <array>

namespace stratagon {

namespace {

// Version 1 kept each battle's values in parallel lists; version 2 keeps one
// object per battle. The ticks were added late to version 1 and may be missing.
struct BattleKey {
    const char* oldKey;
    const char* newKey;
    bool required;
};
constexpr std::array BattleKeys = {
    BattleKey{"battleCountry", "country", true},
    BattleKey{"battleAttacker", "attacker", true},
    BattleKey{"battleDefender", "defender", true},
    BattleKey{"battleAttackerGeneral", "attackerGeneral", true},
    BattleKey{"battleDefenderGeneral", "defenderGeneral", true},
    BattleKey{"battleAttackerScore", "attackerScore", true},
    BattleKey{"battleDefenderScore", "defenderScore", true},
    BattleKey{"battleTicks", "ticks", false},
};

// The main window's working values and texts the game derives anew; they
// were saved in version 1 and are dropped.
// clang-format off
constexpr std::array DroppedKeys = {"r", "kl", "jk", "hh", "bb", "land", "Kontinent", "Genralmenge",
                                    "panelGeneralName", "panelGeneralEP", "monthName", "statusText", "gridRowText"};
// clang-format on

// Said as the reader of the current format says it.
QString where(const QString& key, const QString& what)
{
    return QCoreApplication::translate("FileErrors", "„%1“ %2").arg(QStringLiteral("game.") + key, what);
}

QString tooMany(const QString& key, qsizetype count, qsizetype most)
{
    return where(
        key,
        QCoreApplication::translate("FileErrors", "hat %1 Einträge, erlaubt sind höchstens %2.").arg(count).arg(most));
}

QString upgradeFromVersion1(QJsonObject& game)
{
    // Every list is looked at before anything is built: a list longer than
    // the battle table is damage, however long.
    qsizetype longest = 0;
    for (const BattleKey& key : BattleKeys) {
        const QJsonValue list = game.value(QLatin1String(key.oldKey));
        if (list.isUndefined() && !key.required)
            continue;
        const QString name = QLatin1String(key.oldKey);
        if (list.isUndefined())
            return where(name, QCoreApplication::translate("FileErrors", "fehlt."));
        if (!list.isArray())
            return where(name, QCoreApplication::translate("FileErrors", "ist keine Liste."));
        const qsizetype count = list.toArray().size();
        if (count > MaxBattles + 1)
            return tooMany(name, count, MaxBattles + 1);
        longest = std::max(longest, count);
    }
    QJsonArray battles;
    for (qsizetype k = 0; k < longest; ++k) {
        QJsonObject battle;
        for (const BattleKey& key : BattleKeys) {
            const QJsonArray list = game.value(QLatin1String(key.oldKey)).toArray();
            // Lists were written up to their last value that was not 0.
            battle.insert(QLatin1String(key.newKey), k < list.size() ? list.at(k) : QJsonValue(0));
        }
        battles.append(battle);
    }
    for (const BattleKey& key : BattleKeys)
        game.remove(QLatin1String(key.oldKey));
    for (const char* key : DroppedKeys)
        game.remove(QLatin1String(key));
    game.insert(QStringLiteral("battles"), battles);
    return {};
}

// Version 2 kept each message as the German sentence shown; version 3 keeps
// its id and values. An old sentence stays as it was written.
QString upgradeFromVersion2(QJsonObject& game)
{
    const QJsonValue events = game.value(QStringLiteral("events"));
    if (!events.isArray())
        return {};  // missing or wrong: the reader reports it
    // Counted before anything is built; a sentence is cut as the reader cuts
    // a message.
    const QJsonArray old = events.toArray();
    if (old.size() > MaxEvents)
        return tooMany(QStringLiteral("events"), old.size(), MaxEvents);
    QJsonArray upgraded;
    for (const QJsonValue& item : old) {
        QJsonObject event = item.toObject();
        const QJsonValue text = event.value(QStringLiteral("text"));
        if (item.isObject() && text.isString())
            event.insert(QStringLiteral("text"),
                         QJsonObject{{QStringLiteral("id"), cutText(text.toString(), json::LongestMessage)}});
        upgraded.append(item.isObject() ? QJsonValue(event) : item);
    }
    game.insert(QStringLiteral("events"), upgraded);
    return {};
}

}  // namespace

QString upgradeSavedGame(QJsonObject& game, int version)
{
    if (version <= 1)
        if (QString wrong = upgradeFromVersion1(game); !wrong.isEmpty())
            return wrong;
    if (version <= 2)
        if (QString wrong = upgradeFromVersion2(game); !wrong.isEmpty())
            return wrong;
    return {};
}

}  // namespace stratagon
