// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SaveGame.h"

#include "storage/SaveList.h"
#include "storage/JsonFields.h"
#include "storage/SaveUpgrade.h"
#include "storage/SaveTrail.h"

#include "simulation/Character.h"
#include "simulation/Guide.h"
#include "simulation/Pace.h"
#include "session/FileText.h"
#include "storage/AtomicFile.h"
#include "world/MapLoader.h"
#include "world/Rules.h"
#include "world/Settings.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <limits>
#include <memory>
#include <span>
#include <vector>

namespace stratagon {

const char* const SaveFormatName = "stratagon-save";
const char* const AutosaveName = "Automatisch gespeichert";

QString damagedSave(const QString& detail)
{
    return QCoreApplication::translate("FileErrors", "Der Spielstand ist beschädigt: %1").arg(detail);
}

namespace {

#ifndef STRATAGON_VERSION
#define STRATAGON_VERSION "1.0"
#endif

using namespace json;

}  // namespace

// The saved records, field by field.
namespace json {

template <>
struct Members<PlayerBattleEntry> {
    static constexpr std::array list = {
        FIELD(PlayerBattleEntry, country),
        FIELD(PlayerBattleEntry, attackerSide),
        FIELD(PlayerBattleEntry, attackerScore, Score),
        FIELD(PlayerBattleEntry, attackerGeneral),
        FIELD(PlayerBattleEntry, attackerEP),
        FIELD(PlayerBattleEntry, defenderSide),
        FIELD(PlayerBattleEntry, defenderScore, Score),
        FIELD(PlayerBattleEntry, defenderGeneral),
        FIELD(PlayerBattleEntry, defenderEP),
    };
};

// A message as the rules made it: its id and values, in no language. The
// context is empty for a message kept verbatim from an older save.
template <>
struct Members<TextArg> {
    static constexpr std::array list = {
        FIELD(TextArg, kind, Range{0, int(TextArg::Kind::Month)}),
        FIELD(TextArg, text, Any, Optional),
        FIELD(TextArg, number, Any, Optional),
    };
};

// No message of the game has more values than this.
constexpr qsizetype LongestArgs = 16;

template <>
struct Members<Text> {
    static constexpr std::array list = {
        FIELD(Text, context, Any, Optional),
        FIELD(Text, id, Range{.longest = LongestMessage}),
        FIELD(Text, args, Range{.longest = LongestArgs}, Optional),
    };
};

template <>
struct Members<GameEvent> {
    static constexpr std::array list = {
        FIELD(GameEvent, kind, Range{0, int(EventKind::OpponentAttack)}),
        FIELD(GameEvent, year, Year),
        FIELD(GameEvent, month, Range{0, 12}),
        FIELD(GameEvent, text),
    };
};

template <>
struct Members<GameDate> {
    static constexpr std::array list = {FIELD(GameDate, year, Range{0, LastYear}),
                                        FIELD(GameDate, month, Range{0, 12})};
};

template <>
struct Members<MonthSample> {
    static constexpr std::array list = {
        FIELD(MonthSample, year, Year),
        FIELD(MonthSample, month, Range{1, 12}),
        FIELD(MonthSample, passive, Range{0, MaxCountries}),
        FIELD(MonthSample, held, Range{0, MaxCountries}),
    };
};

// A counter far beyond any game, yet one the rules can still count up from.
constexpr Range Counter{0, 1'000'000'000};

template <>
struct Members<GameRecords> {
    static constexpr std::array list = {
        FIELD(GameRecords, months, Range{.longest = LongestSavedMonths}),
        FIELD(GameRecords, battlesOpened, Counter),
        FIELD(GameRecords, battlesWon, Counter),
        FIELD(GameRecords, battlesLost, Counter),
        FIELD(GameRecords, attacksSuffered, Counter),
        FIELD(GameRecords, countriesTaken, Counter),
        FIELD(GameRecords, countriesLost, Counter),
        FIELD(GameRecords, generalsRecruited, Counter),
        FIELD(GameRecords, generalsDismissed, Counter),
        FIELD(GameRecords, highestRank, Range{-1, 19}),
        FIELD(GameRecords, highestRankDate),
        FIELD(GameRecords, largestEmpire, Range{0, MaxCountries}),
        FIELD(GameRecords, largestEmpireDate),
        // Whole milliseconds stay exact in a JSON number up to 2^53.
        FIELD(GameRecords, playedMs, Range{0, int64_t{1} << 53}),
        FIELD(GameRecords, sessionMs, Range{0, int64_t{1} << 53}, Optional),
        // Saves from before the opponents gave reasons: none counted.
        FIELD(GameRecords, opponentStrikes, Counter, Optional),
    };
};

template <>
struct Members<Battle> {
    static constexpr std::array list = {
        FIELD(Battle, country, Range{0, MaxCountries}),
        FIELD(Battle, attacker, Range{0, MaxCountries}),
        FIELD(Battle, defender, Range{0, MaxCountries}),
        FIELD(Battle, attackerGeneral, Range{0, MaxGenerals}),
        FIELD(Battle, defenderGeneral, Range{0, MaxGenerals}),
        FIELD(Battle, attackerScore, Score),
        FIELD(Battle, defenderScore, Score),
        // Saves from before the second rule set: battles counted from now.
        FIELD(Battle, ticks, Counter, Optional),
    };
};

// Every field of the world a running game uses, one line each, with the
// range of its numbers. A field added later is one more line here, marked
// Optional (older files lack it and read as its default), plus its relation
// to other fields in inconsistency() below when it has one. mapFileName is
// not saved: it is where the map lies when the save is read.
#define W(name, ...) FIELD(WorldState, name __VA_OPT__(, ) __VA_ARGS__)
template <>
struct Members<WorldState> {
    static constexpr std::array list = {
        W(monthInterval, Range{ShortestMonth, LongestMonth}),
        W(aiDivisor, Range{MostActiveOpponent, LeastActiveOpponent}),
        W(countryCount, Range{1, MaxCountries}),
        W(gridColumns, Range{1, MaxGridSize}),
        W(gridRows, Range{1, MaxGridSize}),
        W(continentName),
        W(defaultSideCode),
        W(countryName),
        W(countryCode),
        W(countryOwner, Range{0, MaxCountries}),
        W(countryKind, Range{KindPlayer, KindOpponent}),
        W(fillX, Range{0, MaxGridSize * GridCellPixels - 1}),
        W(fillY, Range{0, MaxGridSize * GridCellPixels - 1}),
        W(countryValueA),
        W(countryValueB),
        W(neighbourCount, Range{0, MaxNeighbours}),
        W(neighbourName),
        W(generalCount, Range{0, MaxGenerals}),
        W(generalName),
        W(generalEP),
        W(generalStatus, Range{Ready, InBattle}),
        W(side, Range{0, MaxCountries}),
        W(sideMax, Range{0, 9}),
        W(battleCount, Range{0, MaxBattles}),
        W(battles),
        W(gridCell),
        W(playing),
        W(month, Range{0, 12}),
        W(year, Year),
        W(tickCount, Range{0, 3}),
        W(playerBattleCount, Range{0, MaxPlayerBattles}),
        W(playerBattleList),
        W(records, Any, Optional),
        W(events, Range{.longest = MaxEvents}, Optional),
        W(paceStep, Range{0, int(PaceSteps.size()) - 1}, Optional),
        // Saves from before the second rule set: Klassisch.
        W(ruleSet, Range{RulesKlassisch, RulesZuegig}, Optional),
        // Absent in ordinary games and older saves: no guidance.
        W(guideStep, Range{0, GuideStepCount}, Optional),
        W(guideConquered, Any, Optional),
        // Saves from before the opponents' characters: every opponent plays
        // as the original one, and no country remembers a former holder.
        W(opponentCharacter, Range{0, CharacterCount - 1}, Optional),
        W(previousOwner, Range{0, MaxCountries}, Optional),
    };
};
#undef W

// What the player looked at, kept in the game's object beside the world's
// fields, under the names it always had there.
template <>
struct Members<ViewState> {
    static constexpr std::array list = {
        FIELD(ViewState, sideMenuClosed),
        FIELD(ViewState, battleMode),
        FIELD(ViewState, shownCountry, Range{0, MaxCountries}),
    };
};

}  // namespace json

namespace {

// What the ranges alone cannot say: indices that must name countries and
// generals that exist, and battles whose scores add up to 100.
QString inconsistency(const WorldState& w)
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
    for (int k = 1; k <= w.battleCount; ++k) {
        const int attacker = w.battles[k].attacker;
        const int defender = w.battles[k].defender;
        if (!country(w.battles[k].country) || !country(attacker) || !country(defender))
            return QCoreApplication::translate("FileErrors", "Schlacht %1 nennt ein Land, das es nicht gibt.").arg(k);
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

QString inconsistency(const WorldState& w, const ViewState& view)
{
    if (const QString wrong = inconsistency(w); !wrong.isEmpty())
        return wrong;
    if (view.shownCountry > w.countryCount)
        return QCoreApplication::translate("FileErrors", "das angezeigte Land %1 gibt es nicht.").arg(view.shownCountry);
    return {};
}

QByteArray compact(const QJsonValue& value)
{
    // QJsonDocument writes only arrays and objects: one element, brackets off.
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

QString savedAtText(const QDateTime& at) { return at.toUTC().toString(Qt::ISODate); }

// The world where the trail starts: the game's fields, but for those the
// trail keeps of its own.
QString readTrail(const QJsonValue& value, const QJsonObject& game, const WorldState& staged, GameTrail& trail)
{
    if (!value.isObject())
        return QCoreApplication::translate("FileErrors", "die Angaben fehlen");
    const QJsonObject kept = value.toObject();
    // A tick a quarter month: no trail runs longer than the records it left.
    const int64_t mostTicks = 4 * (int64_t(staged.records.months.size()) + 1);
    if (const QString wrong = decodeTrail(kept, staged.side[0], mostTicks, trail); !wrong.isEmpty())
        return wrong;
    QJsonObject start = game;
    const QJsonObject own = kept.value(QStringLiteral("origin")).toObject();
    for (auto field = own.begin(); field != own.end(); ++field)
        start.insert(field.key(), field.value());
    auto origin = std::make_shared<WorldState>();
    Context context;
    context.push("trail");
    context.push("origin");
    if (!decode(QJsonValue(start), *origin, Any, context))
        return context.error;
    if (const QString wrong = inconsistency(*origin); !wrong.isEmpty())
        return wrong;
    origin->mapFileName = staged.mapFileName;
    trail.origin = std::move(origin);
    if (!trailLeadsTo(trail, staged))
        return QCoreApplication::translate("FileErrors", "er führt nicht zu diesem Spielstand");
    return {};
}

SaveReadResult refused(const QString& message)
{
    SaveReadResult r;
    r.message = message;
    return r;
}

}  // namespace

JsonRead parseSave(const QByteArray& bytes)
{
    static constexpr JsonLimits limits{
        .depth = 16, .longestText = 64 * 1024, .allText = 16 * 1024 * 1024, .values = 2'000'000, .containers = 200'000};
    return readJson(bytes, limits);
}

QByteArray saveDocument(const WorldState& world, const QString& name, const QDateTime& savedAt,
                        const QByteArray& bitmapSha256, const ViewState& view, const GameTrail* trail)
{
    QJsonObject game = encode(world).toObject();
    const bool cut = world.records.months.size() > std::size_t(LongestSavedMonths);
    if (trail && trail->kept() && !cut) {
        QJsonObject kept = encodeTrail(*trail);
        QJsonObject own;
        const QJsonObject start = encode(*trail->origin).toObject();
        for (auto field = start.begin(); field != start.end(); ++field)
            if (game.value(field.key()) != field.value())
                own.insert(field.key(), field.value());
        kept.insert(QStringLiteral("origin"), own);
        game.insert(QStringLiteral("trail"), kept);
    }
    if (const std::vector<MonthSample>& months = world.records.months; cut) {
        GameRecords kept = world.records;
        kept.months.erase(kept.months.begin(), kept.months.end() - LongestSavedMonths);
        game.insert(QStringLiteral("records"), encode(kept));
    }
    const QJsonObject shown = encode(view).toObject();
    for (auto field = shown.begin(); field != shown.end(); ++field)
        game.insert(field.key(), field.value());
    // Only a guided game carries its guidance: the saves of all other games stay as they were.
    if (world.guideStep == 0) {
        game.remove(QStringLiteral("guideStep"));
        game.remove(QStringLiteral("guideConquered"));
    }
    // So do the opponents' characters, the countries' former holders and the
    // reasons of the opponents' attacks while there is nothing to keep.
    const auto none = [](const auto& table) {
        return std::all_of(table.begin(), table.end(), [](auto v) { return v == 0; });
    };
    if (none(world.opponentCharacter))
        game.remove(QStringLiteral("opponentCharacter"));
    if (none(world.previousOwner))
        game.remove(QStringLiteral("previousOwner"));
    if (none(world.records.opponentStrikes)) {
        QJsonObject records = game.value(QStringLiteral("records")).toObject();
        records.remove(QStringLiteral("opponentStrikes"));
        game.insert(QStringLiteral("records"), records);
    }
    game.insert(QStringLiteral("map"),
                QJsonObject{{QStringLiteral("file"), QFileInfo(QString::fromStdString(world.mapFileName)).fileName()},
                            {QStringLiteral("bitmap"), QString::fromStdString(mapPictureName(world.mapFileName))},
                            {QStringLiteral("bitmapSha256"), QString::fromLatin1(bitmapSha256.toHex())}});
    // The header in reading order; the game's own keys come sorted.
    QByteArray out = "{\"format\":" + compact(QString::fromLatin1(SaveFormatName));
    out += ",\"version\":" + compact(SaveFormatVersion);
    out += ",\"program\":" + compact(QStringLiteral(STRATAGON_VERSION));
    out += ",\"name\":" + compact(name);
    out += ",\"savedAt\":" + compact(savedAtText(savedAt));
    out += ",\"game\":" + QJsonDocument(game).toJson(QJsonDocument::Compact);
    out += "}\n";
    return out;
}

SaveReadResult readSaveDocument(const QByteArray& bytes, WorldState& world, const BitmapLocator& locate,
                                const PictureCheck& checkPicture, ViewState* view, GameTrail* trail)
{
    const JsonRead read = parseSave(bytes);
    if (read.document.isNull())
        return refused(damagedSave(read.fault));
    const QJsonDocument& doc = read.document;
    const QJsonObject top = doc.object();
    if (!doc.isObject() || top.value(QStringLiteral("format")).toString() != QLatin1String(SaveFormatName))
        return refused(
            damagedSave(QCoreApplication::translate("FileErrors", "die Datei ist kein Spielstand von Stratagon.")));
    const QJsonValue version = top.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != std::trunc(version.toDouble()) || version.toDouble() < 1)
        return refused(
            damagedSave(QCoreApplication::translate("FileErrors", "die Formatversion fehlt oder ist ungültig.")));
    if (version.toDouble() > SaveFormatVersion)
        return refused(QCoreApplication::translate(
                           "FileErrors", "Dieser Spielstand stammt aus einer neueren Version von Stratagon "
                                         "(Format %1, diese Version kennt Format %2) und kann nicht geladen werden.")
                           .arg(version.toDouble())
                           .arg(SaveFormatVersion));

    SaveReadResult result;
    const QJsonValue name = top.value(QStringLiteral("name"));
    const QJsonValue savedAt = top.value(QStringLiteral("savedAt"));
    if (!name.isString() || !savedAt.isString())
        return refused(
            damagedSave(QCoreApplication::translate("FileErrors", "Name oder Zeitpunkt des Spielstands fehlen.")));
    result.name = cutText(name.toString(), LongestSaveName);
    result.savedAt = QDateTime::fromString(savedAt.toString(), Qt::ISODate).toLocalTime();

    QJsonObject game = top.value(QStringLiteral("game")).toObject();
    const int fromVersion = int(version.toDouble());
    if (fromVersion < SaveFormatVersion)
        if (const QString wrong = upgradeSavedGame(game, fromVersion); !wrong.isEmpty())
            return refused(damagedSave(wrong));
    result.upgraded = fromVersion < SaveFormatVersion;
    const QJsonObject map = game.value(QStringLiteral("map")).toObject();
    const QString mapFile = map.value(QStringLiteral("file")).toString();
    const QString bitmap = map.value(QStringLiteral("bitmap")).toString();
    const QByteArray sha = QByteArray::fromHex(map.value(QStringLiteral("bitmapSha256")).toString().toLatin1());
    if (mapFile.isEmpty() || bitmap.isEmpty() || sha.size() != 32 || bitmap.contains(QLatin1Char('/')) ||
        mapFile.contains(QLatin1Char('/')))
        return refused(damagedSave(
            QCoreApplication::translate("FileErrors", "die Angaben zur Karte fehlen oder sind ungültig.")));
    result.bitmapSha256 = sha;

    // Staged in a fresh world: nothing of the running game is touched
    // before every check has passed.
    auto staged = std::make_unique<WorldState>();
    ViewState stagedView;
    Context context;
    context.push("game");
    if (!decode(QJsonValue(game), *staged, Any, context) || !decode(QJsonValue(game), stagedView, Any, context))
        return refused(damagedSave(context.error));
    if (const QString wrong = inconsistency(*staged, stagedView); !wrong.isEmpty())
        return refused(damagedSave(wrong));

    const QString bitmapPath = locate ? locate(bitmap) : QString();
    if (bitmapPath.isEmpty())
        return refused(QCoreApplication::translate("FileErrors",
                                                   "Das Kartenbild „%1“ dieses Spielstands fehlt. Der Spielstand kann "
                                                   "nicht geladen werden.")
                           .arg(bitmap));
    if (fileSha256(bitmapPath) != sha)
        return refused(QCoreApplication::translate(
                           "FileErrors", "Das Kartenbild „%1“ hat sich geändert, seit das Spiel gespeichert "
                                         "wurde. Der Spielstand passt nicht mehr dazu und kann nicht geladen werden.")
                           .arg(bitmap));
    // The game is played on the picture of its own map: Europe's countries
    // filled on Africa's picture would flood the sea.
    const QString notTogether =
        QCoreApplication::translate("FileErrors", "Die Karte „%1“ und das Kartenbild „%2“ dieses Spielstands gehören "
                                                  "nicht zusammen.%3 Der Spielstand kann nicht geladen werden.");
    if (QFileInfo(mapFile).completeBaseName() != QFileInfo(bitmap).completeBaseName())
        return refused(notTogether.arg(mapFile, bitmap, QString()));
    if (checkPicture)
        if (const QString fault = checkPicture(*staged, bitmapPath); !fault.isEmpty())
            return refused(notTogether.arg(mapFile, bitmap, QLatin1Char(' ') + fault));
    staged->mapFileName = QDir(QFileInfo(bitmapPath).absolutePath()).filePath(mapFile).toStdString();
    GameTrail kept;
    if (const QJsonValue value = game.value(QStringLiteral("trail")); trail && !value.isUndefined())
        if (const QString wrong = readTrail(value, game, *staged, kept); !wrong.isEmpty()) {
            kept = GameTrail{};
            result.trailMessage = QCoreApplication::translate(
                                      "FileErrors", "Der Spielverlauf in diesem Spielstand ist beschädigt: %1. Das "
                                                    "Spiel geht von seinem gespeicherten Stand aus weiter; was davor "
                                                    "war, lässt sich nicht noch einmal spielen.")
                                      .arg(wrong);
        }

    world = std::move(*staged);
    if (trail)
        *trail = std::move(kept);
    if (view)
        *view = stagedView;
    result.ok = true;
    return result;
}

SaveReadResult readSaveFile(const QString& path, WorldState& world, const BitmapLocator& locate,
                            const PictureCheck& checkPicture, ViewState* view, GameTrail* trail)
{
    // Only a regular file of bounded size: a link to a pipe or a device
    // would block or never end.
    const SaveBytes read = readSaveBytes(path);
    if (!read.ok)
        return refused(read.message);
    ViewState shown;
    SaveReadResult result = readSaveDocument(read.bytes, world, locate, checkPicture, &shown, trail);
    if (result.ok && view)
        *view = shown;
    // An older format is upgraded once: the file is written back in the
    // current one. Should that fail, the game is loaded all the same and the
    // next load upgrades again.
    if (result.ok && result.upgraded)
        writeSaveFile(path, saveDocument(world, result.name, result.savedAt, result.bitmapSha256, shown));
    return result;
}

QByteArray fileSha256(const QString& path)
{
    // A pipe or a device would never end.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return {};
    return hash.result();
}

SaveWriteResult writeSaveFile(const QString& path, const QByteArray& document)
{
    const QString shown = QDir::toNativeSeparators(path);
    const auto failed = [&](const QString& reason) {
        return SaveWriteResult{false, QCoreApplication::translate(
                                          "FileErrors", "Der Spielstand konnte nicht in die Datei „%1“ geschrieben "
                                                        "werden: %2\nEin früherer Spielstand unter diesem Namen "
                                                        "bleibt unverändert.")
                                          .arg(shown, reason)};
    };
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return failed(QCoreApplication::translate("FileErrors", "Der Ordner „%1“ kann nicht angelegt werden.")
                          .arg(QDir::toNativeSeparators(info.absolutePath())));
    const FileResult written = writeFileAtomically(QFile::encodeName(path).toStdString(),
                                                   std::string_view(document.data(), std::size_t(document.size())));
    if (!written.ok)
        return failed(gametext::reason(written));
    return {true, {}};
}

QString saveFilePath(const QString& folder, const QString& name)
{
    QString file;
    const QByteArray keep = " ,.-_()!+";
    for (const QChar ch : name) {
        const bool plain = ch.isLetterOrNumber() || (ch.unicode() < 128 && keep.contains(char(ch.unicode())));
        if (plain && !(file.isEmpty() && ch == QLatin1Char('.')))
            file += ch;
        else
            for (const char byte : QString(ch).toUtf8())
                file += QStringLiteral("%%1").arg(uchar(byte), 2, 16, QLatin1Char('0')).toUpper();
    }
    return QDir(folder).filePath(file + QStringLiteral(".json"));
}

}  // namespace stratagon
