// SPDX-License-Identifier: GPL-3.0-or-later
// The save file: round trip, the golden version-1 file, refusals that leave
// the world alone, atomic writes and the listing.

#include "ScriptedPlayer.h"
#include "simulation/Battle.h"
#include "simulation/Clock.h"
#include "simulation/Setup.h"
#include "shell/SaveGames.h"
#include "storage/SaveGame.h"
#include "storage/SaveList.h"
#include "TestSupport.h"
#include "world/MapLoader.h"
#include "world/Rules.h"
#include "world/Settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <tuple>

using namespace stratagon;
using stratagon::test::TestProgram;

namespace {

const QString Cards = QStringLiteral(STRATAGON_ASSETS "/cards/");
const QDateTime When = QDateTime(QDate(2026, 3, 1), QTime(12, 30), Qt::UTC);

QString shippedBitmap(const QString& name) { return QFile::exists(Cards + name) ? Cards + name : QString(); }

// A game on the shipped map played by the scripted player for `ticks` ticks,
// stopped while battles run.
std::unique_ptr<WorldState> midGame(SeededRandom& random, int ticks = 400, const char* mapName = "Afrika")
{
    auto w = std::make_unique<WorldState>();
    const std::string map = std::string(STRATAGON_ASSETS) + "/cards/" + mapName + ".mgi";
    loadMap(*w, map);
    w->side[0] = defaultSide(*w);
    w->monthInterval = 416, w->aiDivisor = 16;
    startGame(*w, random, map);
    ScriptedPlayer player;
    for (int t = 0; (t < ticks || w->battleCount == 0) && w->playing && t < 20 * ticks; ++t) {
        player.act(*w);
        clockTick(*w, random);
    }
    return w;
}

QByteArray save(const WorldState& w, const QString& name = QStringLiteral("Test"))
{
    return saveDocument(w, name, When, fileSha256(Cards + "Afrika.bmp"));
}

}  // namespace

TEST(SaveGame, RoundTripKeepsEveryFieldAndSavesAgainTheSame)
{
    SeededRandom random(7);
    const auto original = midGame(random);
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
    EXPECT_TRUE(doc.startsWith(R"({"format":"stratagon-save","version":2,"program":")"));
}

// The battles running when the game was saved go on and end as they would
// have: both copies draw the same numbers from here on.
TEST(SaveGame, BattlesRunningAtSavingEndCorrectlyAfterLoading)
{
    SeededRandom random(11);
    const auto original = midGame(random);
    ASSERT_GT(original->battleCount, 0);
    auto loaded = std::make_unique<WorldState>();
    ASSERT_TRUE(readSaveDocument(save(*original), *loaded, shippedBitmap).ok);

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

// Files of both versions, kept as written: they must load forever, the
// first one through its upgrade to the same game as the second.
TEST(SaveGame, GoldenFilesOfEitherVersionLoadTheSameGame)
{
    const auto bytesOf = [](const char* name) {
        QFile file(QStringLiteral(STRATAGON_FIXTURES "/") + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const auto bitmap = [](const QString&) { return QStringLiteral(STRATAGON_FIXTURES "/save-v1-bitmap.bin"); };
    auto first = std::make_unique<WorldState>(), second = std::make_unique<WorldState>();
    const SaveReadResult read = readSaveDocument(bytesOf("save-v1.json"), *first, bitmap);
    ASSERT_TRUE(read.ok) << read.message.toStdString();
    EXPECT_TRUE(read.upgraded);
    EXPECT_EQ(read.name, "Südafrika, März 2003");
    EXPECT_EQ(first->countryName[first->side[0]], "Südafrika");
    EXPECT_EQ(dateText(*first), "März 2003");
    EXPECT_GT(first->battleCount, 0);
    EXPECT_EQ(first->mapFileName, STRATAGON_FIXTURES "/Afrika.mgi");
    EXPECT_TRUE(first->records == GameRecords{});  // added later: the default
    EXPECT_EQ(first->ruleSet, RulesKlassisch);

    const QByteArray golden = bytesOf("save-v2.json");
    ASSERT_TRUE(readSaveDocument(golden, *second, bitmap).ok);
    EXPECT_TRUE(*first == *second);
    // Written again, the game is the same to the byte.
    const QByteArray again = saveDocument(*second, read.name, read.savedAt, fileSha256(bitmap({})));
    EXPECT_EQ(QJsonDocument::fromJson(again).object().value("game"),
              QJsonDocument::fromJson(golden).object().value("game"));
}

// A save of the first version is written back in the current one when it is
// loaded, and loads the same game from then on.
TEST(SaveGame, AnOldSaveIsUpgradedOnceOnLoading)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Alt.json");
    ASSERT_TRUE(QFile::copy(STRATAGON_FIXTURES "/save-v1.json", path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    const auto bitmap = [](const QString&) { return QStringLiteral(STRATAGON_FIXTURES "/save-v1-bitmap.bin"); };
    auto before = std::make_unique<WorldState>(), after = std::make_unique<WorldState>();
    ASSERT_TRUE(readSaveFile(path, *before, bitmap).ok);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QJsonDocument::fromJson(file.readAll()).object().value("version").toInt(), 2);
    const SaveReadResult again = readSaveFile(path, *after, bitmap);
    ASSERT_TRUE(again.ok);
    EXPECT_FALSE(again.upgraded);
    EXPECT_EQ(again.name, "Südafrika, März 2003");
    EXPECT_TRUE(*after == *before);
}

TEST(SaveGame, DamagedNewerOrUnmatchedFilesAreRefusedWithTheWorldUnchanged)
{
    SeededRandom random(3);
    const auto game = midGame(random, 200);
    const QByteArray good = save(*game);
    using Edit = std::function<void(QJsonObject& top, QJsonObject& g)>;
    const auto set = [](const char* key, int index, QJsonValue value) {
        return Edit([=](QJsonObject&, QJsonObject& g) {
            QJsonArray a = g[key].toArray();
            while (a.size() <= index)
                a.append(0);
            a[index] = value;
            g[key] = a;
        });
    };
    const auto setBattle = [](int index, const char* key, QJsonValue value) {
        return Edit([=](QJsonObject&, QJsonObject& g) {
            QJsonArray battles = g["battles"].toArray();
            QJsonObject battle = battles[index].toObject();
            battle[key] = value;
            battles[index] = battle;
            g["battles"] = battles;
        });
    };
    struct Case {
        const char* what;
        Edit edit;
        QByteArray raw;  // used instead of the edited document when set
        const char* message;
    };
    const int b = 1;
    const int attacker = game->battles[b].attacker;
    const Case cases[] = {
        {"truncated", {}, good.left(good.size() / 2), "Der Spielstand ist beschädigt: kein gültiges JSON"},
        {"not a save", {}, "[1,2]", "Der Spielstand ist beschädigt: die Datei ist kein Spielstand"},
        {"other format", [](QJsonObject& t, QJsonObject&) { t["format"] = "x"; }, {}, "kein Spielstand von"},
        {"newer", [](QJsonObject& t, QJsonObject&) { t["version"] = 3; }, {},
         "Dieser Spielstand stammt aus einer neueren Version von Stratagon (Format 3"},
        {"version text", [](QJsonObject& t, QJsonObject&) { t["version"] = "1"; }, {}, "Formatversion"},
        {"no name", [](QJsonObject& t, QJsonObject&) { t.remove("name"); }, {}, "Name oder Zeitpunkt"},
        {"missing field", [](QJsonObject&, QJsonObject& g) { g.remove("countryOwner"); }, {},
         "„game.countryOwner“ fehlt."},
        {"kind out of range", set("countryKind", 3, 7), {}, "„game.countryKind[3]“ ist 7, erlaubt ist 0 bis 2."},
        {"count out of range", [](QJsonObject&, QJsonObject& g) { g["countryCount"] = 101; }, {},
         "„game.countryCount“ ist 101, erlaubt ist 1 bis 100."},
        {"fraction", [](QJsonObject&, QJsonObject& g) { g["year"] = 2000.5; }, {}, "ganze Zahl"},
        {"text for number", [](QJsonObject&, QJsonObject& g) { g["year"] = "x"; }, {}, "„game.year“ ist keine Zahl."},
        {"number for text", set("countryName", 2, 5), {}, "„game.countryName[2]“ ist kein Text."},
        {"too long", set("generalCount", 101, 0), {}, "hat 102 Einträge, erlaubt sind höchstens 101."},
        {"lone surrogate", {}, QByteArray(good).replace("\"Südafrika\"", "\"\\ud800\""), "kein gültiger Text"},
        {"grid character", [](QJsonObject&, QJsonObject& g) {
             QJsonArray a = g["gridCell"].toArray();
             a[3] = QString::fromUtf8("Aā");
             g["gridCell"] = a;
         }, {}, "kein Rasterfeld"},
        {"owner off the map", set("countryOwner", 4, game->countryCount + 1), {}, "Land 4 gehört dem Land"},
        {"battle country", setBattle(b, "country", 0), {}, "Schlacht 1 nennt ein Land"},
        {"battle general", setBattle(b, "attackerGeneral", game->generalCount[attacker] + 1), {},
         "Schlacht 1 nennt einen General"},
        {"scores", [&](QJsonObject& t, QJsonObject& g) {
             setBattle(b, "attackerScore", 49)(t, g);
             setBattle(b, "defenderScore", 50)(t, g);
         }, {}, "in Schlacht 1 ergeben die Punkte 49 und 50 nicht 100."},
        {"score out of range", setBattle(b, "attackerScore", -5), {},
         "„game.battles[1].attackerScore“ ist -5, erlaubt ist 0 bis 100."},
        {"old battle lists", [](QJsonObject& t, QJsonObject& g) {
             t["version"] = 1;
             g["battleCountry"] = 3;
         }, {}, "„game.battleCountry“ ist keine Liste."},
        {"months apart", [](QJsonObject&, QJsonObject& g) {
             QJsonObject records = g["records"].toObject();
             QJsonArray months = records["months"].toArray();
             QJsonObject second = months[1].toObject();
             second["year"] = second["year"].toInt() + 1;
             months[1] = second;
             records["months"] = months;
             g["records"] = records;
         }, {}, "die Monate der Spielbilanz folgen nicht aufeinander (Eintrag 1)."},
        {"event kind", [](QJsonObject&, QJsonObject& g) {
             QJsonArray events = g["events"].toArray();
             QJsonObject first = events[0].toObject();
             first["kind"] = 9;
             events[0] = first;
             g["events"] = events;
         }, {}, "„game.events[0].kind“ ist 9, erlaubt ist 0 bis 5."},
        {"pace", [](QJsonObject&, QJsonObject& g) { g["paceStep"] = 7; }, {}, "„game.paceStep“ ist 7"},
        {"rules", [](QJsonObject&, QJsonObject& g) { g["ruleSet"] = 2; }, {}, "„game.ruleSet“ ist 2"},
        {"not playing", [](QJsonObject&, QJsonObject& g) { g["playing"] = false; }, {}, "kein laufendes Spiel"},
        {"map missing", [](QJsonObject&, QJsonObject& g) { g.remove("map"); }, {}, "Angaben zur Karte"},
        {"bitmap changed", [](QJsonObject&, QJsonObject& g) {
             QJsonObject m = g["map"].toObject();
             m["bitmapSha256"] = QString(64, '0');
             g["map"] = m;
         }, {}, "Das Kartenbild „Afrika.bmp“ hat sich geändert"},
        {"bitmap missing", [](QJsonObject&, QJsonObject& g) {
             QJsonObject m = g["map"].toObject();
             m["bitmap"] = "Fehlt.bmp";
             g["map"] = m;
         }, {}, "Das Kartenbild „Fehlt.bmp“ dieses Spielstands fehlt."},
    };
    for (const Case& c : cases) {
        QByteArray bytes = c.raw;
        if (bytes.isEmpty()) {
            QJsonObject top = QJsonDocument::fromJson(good).object();
            QJsonObject g = top["game"].toObject();
            c.edit(top, g);
            top["game"] = g;
            bytes = QJsonDocument(top).toJson();
        }
        SeededRandom otherRandom(5);
        auto world = midGame(otherRandom, 50);
        const WorldState before = *world;
        const SaveReadResult read = readSaveDocument(bytes, *world, shippedBitmap);
        EXPECT_FALSE(read.ok) << c.what;
        EXPECT_TRUE(read.message.contains(QString::fromUtf8(c.message))) << c.what << ": " << read.message.toStdString();
        EXPECT_TRUE(*world == before) << c.what;
    }
}

// Numbers a game never reaches would overflow in the tick or run a 1 ms
// clock: refused with what and where.
TEST(SaveGame, NumbersNoGameReachesAreRefused)
{
    SeededRandom random(3);
    const auto game = midGame(random, 100);
    const QJsonObject top = QJsonDocument::fromJson(save(*game)).object();
    const int width = game->gridColumns * GridCellPixels;
    const struct {
        const char* key;
        int index;  // -1: the value itself; else an entry of the table
        double value;
        const char* message;
    } cases[] = {
        {"tickCount", -1, 2147483647, "„game.tickCount“ ist 2147483647, erlaubt ist 0 bis 3."},
        {"year", -1, 2147483647, "„game.year“ ist 2147483647, erlaubt ist 2000 bis 1000000."},
        {"monthInterval", -1, 0, "„game.monthInterval“ ist 0, erlaubt ist 416 bis 20000."},
        {"aiDivisor", -1, 257, "„game.aiDivisor“ ist 257, erlaubt ist 1 bis 256."},
        {"fillX", 3, 2147483647, "„game.fillX[3]“ ist 2147483647, erlaubt ist 0 bis 1682."},
        {"fillX", 3, double(width), "der Startpunkt"},
    };
    for (const auto& c : cases) {
        QJsonObject edited = top;
        QJsonObject g = edited["game"].toObject();
        if (c.index < 0) {
            g[c.key] = c.value;
        } else {
            QJsonArray a = g[c.key].toArray();
            a[c.index] = c.value;
            g[c.key] = a;
        }
        edited["game"] = g;
        auto world = std::make_unique<WorldState>();
        const SaveReadResult read = readSaveDocument(QJsonDocument(edited).toJson(), *world, shippedBitmap);
        EXPECT_FALSE(read.ok) << c.key;
        EXPECT_TRUE(read.message.contains(QString::fromUtf8(c.message))) << c.key << ": " << read.message.toStdString();
    }
    // Counters the tick counts up from, and a sum of milliseconds past 2^63.
    for (const auto& [key, value, message] :
         {std::tuple("battlesWon", 2147483647.0, "„game.records.battlesWon“ ist 2147483647, erlaubt ist 0 bis 1000000000."),
          std::tuple("playedMs", 9223372036854775808.0, "„game.records.playedMs“ ist 9223372036854775808")}) {
        QJsonObject edited = top;
        QJsonObject g = edited["game"].toObject();
        QJsonObject records = g["records"].toObject();
        records[key] = value;
        g["records"] = records;
        edited["game"] = g;
        auto world = std::make_unique<WorldState>();
        const SaveReadResult read = readSaveDocument(QJsonDocument(edited).toJson(), *world, shippedBitmap);
        EXPECT_TRUE(read.message.contains(QString::fromUtf8(message))) << read.message.toStdString();
    }
}

// Europe's countries on Africa's picture would flood the sea: refused,
// naming the map and the picture, whether the names or the contents differ.
TEST(SaveGame, AMapWithAnotherMapsPictureIsRefused)
{
    SeededRandom random(4);
    const auto europe = midGame(random, 20, "Europa");
    const QJsonObject top = QJsonDocument::fromJson(saveDocument(*europe, "Test", When, fileSha256(Cards + "Afrika.bmp"))).object();
    for (const char* mapFile : {"Europa.mgi", "Afrika.mgi"}) {
        QJsonObject edited = top;
        QJsonObject g = edited["game"].toObject();
        QJsonObject map = g["map"].toObject();
        map["file"] = mapFile;
        map["bitmap"] = "Afrika.bmp";
        g["map"] = map;
        edited["game"] = g;
        TestProgram t;
        const QString file = t.path("saves/x.json");
        ASSERT_TRUE(writeSaveFile(file, QJsonDocument(edited).toJson()).ok);
        EXPECT_FALSE(loadGame(*t.program, nullptr, file));
        ASSERT_FALSE(t.dialogs.shown.empty());
        EXPECT_TRUE(t.dialogs.shown.back().text.startsWith(QString("Die Karte „") + mapFile +
                                                           "“ und das Kartenbild „Afrika.bmp“ dieses Spielstands "
                                                           "gehören nicht zusammen."))
            << t.dialogs.shown.back().text.toStdString();
        EXPECT_FALSE(t.world->playing);
    }
}

TEST(SaveGame, FailedWriteNamesTheFileAndKeepsThePreviousOne)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("a.json");
    ASSERT_TRUE(writeSaveFile(target, "first").ok);
    // A folder where the save should be: nothing can replace it.
    QDir(dir.path()).mkdir("b.json");
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (const QString& path : {dir.filePath("b.json"), dir.filePath("file/c.json")}) {
        const SaveWriteResult r = writeSaveFile(path, "second");
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.message.contains(QDir::toNativeSeparators(path))) << r.message.toStdString();
    }
    QFile kept(target);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "first");
}

TEST(SaveGame, FileNamesStayInTheFolderAndDistinct)
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

TEST(SaveGame, ListingPutsTheAutosaveFirstThenTheNewest)
{
    SeededRandom random(2);
    const auto game = midGame(random, 50);
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
    EXPECT_EQ(names, QStringList({QString(AutosaveName) + "|" + country + "|Afrika|ok",
                                  "neu|" + country + "|Afrika|ok", "alt|" + country + "|Afrika|ok",
                                  "kaputt|||-"}));
    EXPECT_EQ(list[1].gameDate, QString::fromStdString(dateText(*game)));
}
