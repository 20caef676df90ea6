// SPDX-License-Identifier: GPL-3.0-or-later
// The save file: round trip, the golden files of both versions, refusals that
// leave the world alone, atomic writes and the listing.

#include "../core/CoreTestSupport.h"
#include "session/GameText.h"
#include "simulation/Character.h"
#include "shell/SaveGames.h"
#include "simulation/PlayerActions.h"
#include "storage/SaveGame.h"
#include "storage/SaveList.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <vector>
#include <memory>

using namespace stratagon;
using stratagon::test::TestProgram;

namespace {

const QString Cards = QStringLiteral(STRATAGON_ASSETS "/cards/");
const QDateTime When = QDateTime(QDate(2026, 3, 1), QTime(12, 30), Qt::UTC);

QString shippedBitmap(const QString& name) { return QFile::exists(Cards + name) ? Cards + name : QString(); }

// A new game on a shipped map played by the scripted player for `ticks`
// ticks, stopped while battles run.
std::unique_ptr<WorldState> midGame(unsigned long long seed, int ticks = 400, const char* mapName = "Afrika")
{
    test::NewGame game(std::string(STRATAGON_ASSETS "/cards/") + mapName + ".mgi", seed);
    game.w->monthInterval = 416;
    while ((game.ticks < ticks || game.w->battleCount == 0) && game.w->playing && game.ticks < 20 * ticks)
        game.play(1);
    return std::move(game.w);
}

QByteArray save(const WorldState& w, const QString& name = QStringLiteral("Test"))
{
    return saveDocument(w, name, When, fileSha256(Cards + "Afrika.bmp"));
}

// The JSON value with the entry at `path` ("game.battles[1].country") set to
// `value`, arrays grown with zeros as needed; a null value counts the number
// there up by one, an undefined one removes the entry.
QJsonValue setAt(const QJsonValue& node, QStringView path, const QJsonValue& value)
{
    if (path.isEmpty())
        return value.isNull() ? QJsonValue(node.toInt() + 1) : value;
    if (path.startsWith('[')) {
        const qsizetype close = path.indexOf(']');
        const int index = path.mid(1, close - 1).toInt();
        QJsonArray array = node.toArray();
        while (array.size() <= index)
            array.append(0);
        array[index] = setAt(array[index], path.mid(close + 1), value);
        return array;
    }
    const QStringView rest = path.startsWith('.') ? path.mid(1) : path;
    qsizetype end = 0;
    while (end < rest.size() && rest[end] != '.' && rest[end] != '[')
        ++end;
    QJsonObject object = node.toObject();
    const QString key = rest.left(end).toString();
    if (end == rest.size() && value.isUndefined())
        object.remove(key);
    else
        object[key] = setAt(object[key], rest.mid(end), value);
    return object;
}

QByteArray edited(const QByteArray& document, const std::vector<std::pair<const char*, QJsonValue>>& edits)
{
    QJsonValue top = QJsonDocument::fromJson(document).object();
    for (const auto& [path, value] : edits)
        top = setAt(top, QString::fromUtf8(path), value);
    return QJsonDocument(top.toObject()).toJson();
}

}  // namespace

// Every field comes back and saves again to the byte; the battles running at
// saving go on and end as they would have: both copies draw the same numbers.
TEST(SaveFile, RoundTripKeepsEveryFieldAndTheRunningBattlesEndAsTheyWould)
{
    const auto original = midGame(7);
    original->ruleSet = RulesZuegig;  // a game keeps its rules
    ASSERT_TRUE(original->playing);
    ASSERT_GT(original->battleCount, 0);
    original->records.sessionMs = 2640123;  // the player's own time goes along too
    const QByteArray doc = save(*original);

    auto loaded = std::make_unique<WorldState>();
    const SaveReadResult read = readSaveDocument(doc, *loaded, shippedBitmap);
    ASSERT_TRUE(read.ok) << read.message.toStdString();
    EXPECT_TRUE(*loaded == *original);
    EXPECT_EQ(read.name, "Test");
    EXPECT_EQ(read.savedAt, When);
    EXPECT_EQ(save(*loaded), doc);
    EXPECT_TRUE(doc.startsWith(R"({"format":"stratagon-save","version":3,"program":")"));

    const int country = original->battles[1].country;
    const int attacker = original->battles[1].attacker, defender = original->battles[1].defender;
    SeededRandom a(99), b(99);
    bool ended = false;
    for (int t = 0; t < 2000 && !ended && loaded->playing; ++t) {
        clockTick(*original, a);
        clockTick(*loaded, b);
        ASSERT_TRUE(*loaded == *original) << "tick " << t;
        ended = !countryContested(*loaded, country);
    }
    ASSERT_TRUE(ended);
    const int owner = loaded->countryOwner[country];
    EXPECT_TRUE(owner == attacker || owner == defender);
}

// A guided game comes back at its step; an ordinary game's save names no guidance.
TEST(SaveFile, TheGuidanceGoesWithAGuidedGameOnly)
{
    const auto game = midGame(5, 40);
    EXPECT_FALSE(QJsonDocument::fromJson(save(*game)).object().value("game").toObject().contains("guideStep"));
    game->guideStep = 7, game->guideConquered = true;
    auto loaded = std::make_unique<WorldState>();
    ASSERT_TRUE(readSaveDocument(save(*game), *loaded, shippedBitmap).ok);
    EXPECT_EQ(std::pair(loaded->guideStep, loaded->guideConquered), std::pair(7, true));
}

// The opponents' characters, the countries' former holders and the reasons
// of the opponents' attacks go with the game; a save from before them loads
// with every opponent playing the original way. Nothing outside the
// characters is taken.
TEST(SaveFile, TheOpponentsCharactersGoWithTheGameAndOlderSavesPlayTheOriginal)
{
    const auto game = midGame(5, 40);
    game->opponentCharacter[1] = CharacterGuardian, game->previousOwner[2] = game->side[1];
    game->records.opponentStrikes[std::size_t(AttackReason::Retake)] = 3;
    auto loaded = std::make_unique<WorldState>();
    ASSERT_TRUE(readSaveDocument(save(*game), *loaded, shippedBitmap).ok);
    EXPECT_EQ(test::row(characterOf(*loaded, loaded->side[1]), loaded->previousOwner[2],
                  loaded->records.opponentStrikes[std::size_t(AttackReason::Retake)]),
              test::row(CharacterGuardian, game->side[1], 3));

    auto older = std::make_unique<WorldState>();
    const QByteArray golden = readSaveBytes(STRATAGON_FIXTURES "/save-v2.json").bytes;
    const auto bitmap = [](const QString&) { return QStringLiteral(STRATAGON_FIXTURES "/save-v1-bitmap.bin"); };
    ASSERT_TRUE(readSaveDocument(golden, *older, bitmap).ok);
    EXPECT_EQ(characterOf(*older, older->side[1]), CharacterStandard);

    const QByteArray wrong = edited(save(*game), {{"game.opponentCharacter[1]", CharacterCount}});
    const SaveReadResult refused = readSaveDocument(wrong, *loaded, shippedBitmap);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.message.contains("opponentCharacter")) << refused.message.toStdString();
}

// Files of both versions, kept as written, load forever and to the same
// game; a first-version file is written back in the current version once.
TEST(SaveFile, GoldenFilesOfEitherVersionLoadTheSameGameAndTheOldOneIsUpgradedOnce)
{
    const auto bitmap = [](const QString&) { return QStringLiteral(STRATAGON_FIXTURES "/save-v1-bitmap.bin"); };
    QTemporaryDir dir;
    const QString path = dir.filePath("Alt.json");
    ASSERT_TRUE(QFile::copy(STRATAGON_FIXTURES "/save-v1.json", path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    auto first = std::make_unique<WorldState>(), again = std::make_unique<WorldState>();
    const SaveReadResult read = readSaveFile(path, *first, bitmap);
    ASSERT_TRUE(read.ok) << read.message.toStdString();
    EXPECT_TRUE(read.upgraded);
    EXPECT_EQ(read.name, "Südafrika, März 2003");
    EXPECT_EQ(first->countryName[first->side[0]], "Südafrika");
    EXPECT_EQ(gametext::date(first->month, first->year), "März 2003");
    EXPECT_GT(first->battleCount, 0);
    EXPECT_EQ(first->mapFileName, STRATAGON_FIXTURES "/Afrika.mgi");
    EXPECT_TRUE(first->records == GameRecords{});  // added later: the default
    EXPECT_EQ(first->ruleSet, RulesKlassisch);

    const SaveReadResult reread = readSaveFile(path, *again, bitmap);
    ASSERT_TRUE(reread.ok);
    EXPECT_FALSE(reread.upgraded);
    EXPECT_EQ(reread.name, read.name);
    EXPECT_TRUE(*again == *first);

    auto second = std::make_unique<WorldState>();
    const QByteArray golden = readSaveBytes(STRATAGON_FIXTURES "/save-v2.json").bytes;
    ViewState view;
    ASSERT_TRUE(readSaveDocument(golden, *second, bitmap, {}, &view).ok);
    EXPECT_TRUE(*first == *second);
    // What the player looked at comes back with the game.
    EXPECT_EQ(view.shownCountry, first->side[0]);
    // Written again, the game is the same to the byte.
    const QByteArray rewritten = saveDocument(*second, read.name, read.savedAt, fileSha256(bitmap({})), view);
    EXPECT_EQ(QJsonDocument::fromJson(rewritten).object().value("game"),
              QJsonDocument::fromJson(golden).object().value("game"));
}

// Damaged, newer or unmatched files, and numbers no game reaches (they would
// overflow in the tick or run a 1 ms clock): refused with what and where,
// the world unchanged.
TEST(SaveFile, DamagedNewerUnmatchedOrUnreachableFilesAreRefusedWithTheWorldUnchanged)
{
    const auto game = midGame(3, 200);
    const QByteArray good = save(*game);
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, QJsonValue>> edits;
        const char* message;
        QByteArray raw = {};  // used instead of the edited document when set
    };
    const int attacker = game->battles[1].attacker;
    const int width = game->gridColumns * GridCellPixels;
    const Case cases[] = {
        {"truncated", {}, "Der Spielstand ist beschädigt: kein gültiges JSON", good.left(good.size() / 2)},
        {"not a save", {}, "Der Spielstand ist beschädigt: die Datei ist kein Spielstand", "[1,2]"},
        {"other format", {{"format", "x"}}, "kein Spielstand von"},
        {"newer", {{"version", 4}}, "Dieser Spielstand stammt aus einer neueren Version von Stratagon (Format 4"},
        {"version text", {{"version", "1"}}, "Formatversion"},
        {"no name", {{"name", QJsonValue::Undefined}}, "Name oder Zeitpunkt"},
        {"missing field", {{"game.countryOwner", QJsonValue::Undefined}}, "„game.countryOwner“ fehlt."},
        {"kind out of range", {{"game.countryKind[3]", 7}}, "„game.countryKind[3]“ ist 7, erlaubt ist 0 bis 2."},
        {"count out of range", {{"game.countryCount", 101}}, "„game.countryCount“ ist 101, erlaubt ist 1 bis 100."},
        {"fraction", {{"game.year", 2000.5}}, "ganze Zahl"},
        {"text for number", {{"game.year", "x"}}, "„game.year“ ist keine Zahl."},
        {"number for text", {{"game.countryName[2]", 5}}, "„game.countryName[2]“ ist kein Text."},
        {"too long", {{"game.generalCount[101]", 0}}, "hat 102 Einträge, erlaubt sind höchstens 101."},
        {"lone surrogate", {}, "kein gültiger Text", QByteArray(good).replace("\"Südafrika\"", "\"\\ud800\"")},
        {"grid character", {{"game.gridCell[3]", QString::fromUtf8("Aā")}}, "kein Rasterfeld"},
        {"owner off the map", {{"game.countryOwner[4]", game->countryCount + 1}}, "Land 4 gehört dem Land"},
        {"battle country", {{"game.battles[1].country", 0}}, "Schlacht 1 nennt ein Land"},
        {"country fought twice",
         {{"game.battles[2].country", game->battles[1].country}},
         "wird in zwei Schlachten gekämpft."},
        {"battle general",
         {{"game.battles[1].attackerGeneral", game->generalCount[attacker] + 1}},
         "Schlacht 1 nennt einen General"},
        {"scores",
         {{"game.battles[1].attackerScore", 49}, {"game.battles[1].defenderScore", 50}},
         "in Schlacht 1 ergeben die Punkte 49 und 50 nicht 100."},
        {"score out of range",
         {{"game.battles[1].attackerScore", -5}},
         "„game.battles[1].attackerScore“ ist -5, erlaubt ist 0 bis 100."},
        {"old battle lists", {{"version", 1}, {"game.battleCountry", 3}}, "„game.battleCountry“ ist keine Liste."},
        {"months apart",
         {{"game.records.months[1].year", QJsonValue()}},
         "die Monate der Spielbilanz folgen nicht aufeinander (Eintrag 1)."},
        {"event kind", {{"game.events[0].kind", 9}}, "„game.events[0].kind“ ist 9, erlaubt ist 0 bis 6."},
        {"pace", {{"game.paceStep", 7}}, "„game.paceStep“ ist 7"},
        {"rules", {{"game.ruleSet", 2}}, "„game.ruleSet“ ist 2"},
        {"not playing", {{"game.playing", false}}, "kein laufendes Spiel"},
        {"map missing", {{"game.map", QJsonValue::Undefined}}, "Angaben zur Karte"},
        {"bitmap changed",
         {{"game.map.bitmapSha256", QString(64, '0')}},
         "Das Kartenbild „Afrika.bmp“ hat sich geändert"},
        {"bitmap missing", {{"game.map.bitmap", "Fehlt.bmp"}}, "Das Kartenbild „Fehlt.bmp“ dieses Spielstands fehlt."},
        {"tick count", {{"game.tickCount", 2147483647}}, "„game.tickCount“ ist 2147483647, erlaubt ist 0 bis 3."},
        {"year", {{"game.year", 2147483647}}, "„game.year“ ist 2147483647, erlaubt ist 2000 bis 1000000."},
        {"month", {{"game.monthInterval", 0}}, "„game.monthInterval“ ist 0, erlaubt ist 416 bis 20000."},
        {"divisor", {{"game.aiDivisor", 257}}, "„game.aiDivisor“ ist 257, erlaubt ist 1 bis 256."},
        {"seed far out", {{"game.fillX[3]", 2147483647}}, "„game.fillX[3]“ ist 2147483647, erlaubt ist 0 bis 1682."},
        {"seed just out", {{"game.fillX[3]", width}}, "der Startpunkt"},
        // Counters the tick counts up from, and a sum of milliseconds past 2^63.
        {"counter",
         {{"game.records.battlesWon", 2147483647}},
         "„game.records.battlesWon“ ist 2147483647, erlaubt ist 0 bis 1000000000."},
        {"milliseconds",
         {{"game.records.playedMs", 9223372036854775808.0}},
         "„game.records.playedMs“ ist 9223372036854775808"},
        // Lists longer than a game keeps, counted before their entries are read.
        {"events", {{"game.events[200]", 0}}, "„game.events“ hat 201 Einträge, erlaubt sind höchstens 200."},
        {"months",
         {{"game.records.months[60000]", 0}},
         "„game.records.months“ hat 60001 Einträge, erlaubt sind höchstens 60000."},
        {"values of a message",
         {{"game.events[0].text.args[16]", 0}},
         "„game.events[0].text.args“ hat 17 Einträge, erlaubt sind höchstens 16."},
        // What no save holds is refused before Qt builds any of it.
        {"name of 10 MB",
         {},
         "ein Text ist länger als 65536 Bytes (bei Byte",
         QByteArray(good).replace("\"name\":\"Test\"", "\"name\":\"" + QByteArray(10 << 20, 'x') + "\"")},
        {"three million numbers",
         {},
         "die Datei enthält mehr als 2000000 Werte",
         QByteArray(good).replace("\"game\":{",
                                  "\"extra\":[" + QByteArray("0,").repeated(3'000'000) + "0],\"game\":{")},
    };
    const auto playing = midGame(5, 50);
    for (const Case& c : cases) {
        const QByteArray bytes = c.raw.isEmpty() ? edited(good, c.edits) : c.raw;
        WorldState world = *playing;
        const SaveReadResult read = readSaveDocument(bytes, world, shippedBitmap);
        EXPECT_FALSE(read.ok) << c.what;
        EXPECT_TRUE(read.message.contains(QString::fromUtf8(c.message)))
            << c.what << ": " << read.message.toStdString();
        EXPECT_TRUE(world == *playing) << c.what;
    }
}

// Europe's countries on Africa's picture would flood the sea: refused,
// naming the map and the picture, whether the names or the contents differ.
TEST(SaveFile, AMapWithAnotherMapsPictureIsRefused)
{
    const auto europe = midGame(4, 20, "Europa");
    const QByteArray document = saveDocument(*europe, "Test", When, fileSha256(Cards + "Afrika.bmp"));
    for (const char* mapFile : {"Europa.mgi", "Afrika.mgi"}) {
        TestProgram t;
        const QString file = t.path("saves/x.json");
        ASSERT_TRUE(
            writeSaveFile(file, edited(document, {{"game.map.file", mapFile}, {"game.map.bitmap", "Afrika.bmp"}})).ok);
        EXPECT_FALSE(loadGame(t.saves(), nullptr, file));
        ASSERT_FALSE(t.dialogs.shown.empty());
        EXPECT_TRUE(t.dialogs.shown.back().text.startsWith(QString("Die Karte „") + mapFile +
                                                           "“ und das Kartenbild „Afrika.bmp“ dieses Spielstands "
                                                           "gehören nicht zusammen."))
            << t.dialogs.shown.back().text.toStdString();
        EXPECT_FALSE(t.world->playing);
    }
}

TEST(SaveFile, FileNamesStayInTheFolderAndDistinct)
{
    const QString folder = QStringLiteral("/saves");
    const std::pair<QString, QString> cases[] = {
        {"Südafrika, März 2003", "/saves/Südafrika, März 2003.json"},
        {"../../etc/passwd", "/saves/%2E.%2F..%2Fetc%2Fpasswd.json"},
        {"a/b", "/saves/a%2Fb.json"},
        {"a%2Fb", "/saves/a%252Fb.json"},
        {".hidden", "/saves/%2Ehidden.json"},
    };
    for (const auto& [name, file] : cases)
        EXPECT_EQ(saveFilePath(folder, name), file) << name.toStdString();
}

TEST(SaveFile, ListingPutsTheAutosaveFirstThenTheNewest)
{
    const auto game = midGame(2, 50);
    QTemporaryDir dir;
    const std::pair<QString, QDateTime> saves[] = {
        {"alt", When}, {AutosaveName, When.addDays(-5)}, {"neu", When.addDays(1)}};
    for (const auto& [name, at] : saves)
        ASSERT_TRUE(writeSaveFile(saveFilePath(dir.path(), name),
                                  saveDocument(*game, name, at, fileSha256(Cards + "Afrika.bmp")))
                        .ok);
    writeSaveFile(dir.filePath("kaputt.json"), "{");
    const QList<SaveSummary> list = listSaves(dir.path());
    QStringList names;
    for (const SaveSummary& s : list)
        names << s.name + "|" + s.country + "|" + s.map + "|" + (s.readable ? "ok" : "-");
    const QString country = QString::fromStdString(game->countryName[game->side[0]]);
    EXPECT_EQ(names, QStringList({QString(AutosaveName) + "|" + country + "|Afrika|ok", "neu|" + country + "|Afrika|ok",
                                  "alt|" + country + "|Afrika|ok", "kaputt|||-"}));
    EXPECT_EQ(std::pair(list[1].month, list[1].year), std::pair(game->month, game->year));
}

// Texts longer than the game writes are cut where they are read, before any
// window lays them out: the save's name to the menu's 80 characters, names to
// a map's 100, messages to 1000, never between the halves of a character.
// The list of saves shows them cut the same way.
TEST(SaveFile, TextsLongerThanTheGameWritesAreCutAsTheyAreRead)
{
    const auto game = midGame(6, 100);
    ASSERT_FALSE(game->events.empty());
    const QString name = QString(79, 'n') + QString::fromUtf8("😀") + "rest";
    const QByteArray doc = edited(save(*game), {{"name", name},
                                                {"game.generalName[1][1]", QString(300, 'g')},
                                                {"game.events[0].text.id", QString(3000, 'm')}});
    auto loaded = std::make_unique<WorldState>();
    const SaveReadResult read = readSaveDocument(doc, *loaded, shippedBitmap);
    ASSERT_TRUE(read.ok) << read.message.toStdString();
    EXPECT_EQ(read.name, QString(79, 'n'));
    EXPECT_EQ(loaded->generalName[1][1], std::string(100, 'g'));
    EXPECT_EQ(loaded->events[0].text.id, std::string(1000, 'm'));
    EXPECT_EQ(summariseSave("x.json", doc).name, QString(79, 'n'));

    // A recruit's name is kept as long as a map's names may be.
    ASSERT_EQ(recruitGeneral(*loaded, std::string(98, 'r') + "ää" + "zz"), RecruitOutcome::Recruited);
    EXPECT_EQ(loaded->generalName[loaded->side[0]][loaded->generalCount[loaded->side[0]]], std::string(98, 'r') + "ää");
}

// Older formats are counted before they are upgraded: a list longer than the
// battle table or the message log is refused by its old name, before any
// new list is built; an old message is cut as a message is.
TEST(SaveFile, OlderFormatsAreCountedBeforeTheyAreUpgraded)
{
    const auto bitmap = [](const QString&) { return QStringLiteral(STRATAGON_FIXTURES "/save-v1-bitmap.bin"); };
    const QByteArray v1 = readSaveBytes(STRATAGON_FIXTURES "/save-v1.json").bytes;
    const QByteArray v2 = readSaveBytes(STRATAGON_FIXTURES "/save-v2.json").bytes;
    const std::pair<QByteArray, const char*> refused[] = {
        {edited(v1, {{"game.battleTicks[100]", 0}}),
         "„game.battleTicks“ hat 101 Einträge, erlaubt sind höchstens 100."},
        {edited(v1, {{"game.battleCountry[150]", 1}}),
         "„game.battleCountry“ hat 151 Einträge, erlaubt sind höchstens 100."},
        {edited(v2, {{"game.events[200]", 0}}), "„game.events“ hat 201 Einträge, erlaubt sind höchstens 200."},
    };
    for (const auto& [bytes, message] : refused) {
        WorldState world;
        const SaveReadResult read = readSaveDocument(bytes, world, bitmap);
        EXPECT_TRUE(!read.ok && read.message.endsWith(QString::fromUtf8(message))) << read.message.toStdString();
    }
    auto loaded = std::make_unique<WorldState>();
    const QJsonObject message{{"kind", 4}, {"year", 2003}, {"month", 3}, {"text", QString(5000, 'a')}};
    ASSERT_TRUE(readSaveDocument(edited(v2, {{"game.events[0]", message}}), *loaded, bitmap).ok);
    EXPECT_EQ(loaded->events[0].text.id, std::string(1000, 'a'));
}

// A game of more than 5,000 years keeps the last 5,000 of its records in a
// save, which loads again.
TEST(SaveFile, ASaveKeepsTheLastFiveThousandYearsOfRecords)
{
    auto game = midGame(8, 20);
    std::vector<MonthSample>& months = game->records.months;
    months.clear();
    for (int m = 0; m < LongestSavedMonths + 25; ++m)
        months.push_back({2000 + m / 12, uint8_t(m % 12 + 1), 3, {}});
    auto loaded = std::make_unique<WorldState>();
    ASSERT_TRUE(readSaveDocument(save(*game), *loaded, shippedBitmap).ok);
    ASSERT_EQ(loaded->records.months.size(), std::size_t(LongestSavedMonths));
    EXPECT_TRUE(loaded->records.months.front() == months[25]);
    EXPECT_TRUE(loaded->records.months.back() == months.back());
}

// The save fuzzer's seeds are read as the game reads them, the picture
// checked: games of the current format load, a guided one among them.
TEST(SaveFile, TheFuzzersSeedsLoadAsTheGameLoadsThem)
{
    const QDir seeds(QStringLiteral(STRATAGON_FIXTURES "/../../fuzz/seeds/save"));
    QStringList loaded;
    for (const QString& file : seeds.entryList({"*.json"}, QDir::Files, QDir::Name)) {
        const QByteArray bytes = readSaveBytes(seeds.filePath(file)).bytes;
        auto world = std::make_unique<WorldState>();
        if (!readSaveDocument(bytes, *world, shippedBitmap, checkSavedPicture).ok)
            continue;
        const int version = QJsonDocument::fromJson(bytes).object().value("version").toInt();
        loaded << QString("%1:%2").arg(version).arg(world->guideStep > 0 ? "guided" : "game");
    }
    EXPECT_TRUE(loaded.contains("3:game") && loaded.contains("3:guided") && loaded.contains("1:game"))
        << loaded.join(' ').toStdString();
}
