// SPDX-License-Identifier: GPL-3.0-or-later
// The rules' texts in the reader's language: with no translator the German
// the game has always shown, with the English catalog English, and saved
// messages that read in whichever language is installed when they are shown.

#include "../core/CoreTestSupport.h"
#include "session/GameText.h"
#include "simulation/EndOfGame.h"
#include "simulation/Events.h"
#include "simulation/Setup.h"
#include "session/FileText.h"
#include "storage/AtomicFile.h"
#include "storage/SaveGame.h"
#include "storage/SaveList.h"
#include "world/GameNames.h"
#include "world/MapLoader.h"
#include "world/Playability.h"
#include "world/Ranks.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTranslator>
#include <functional>
#include <memory>

using namespace stratagon;

namespace {

// The game's English catalog, installed for the object's lifetime.
class English {
public:
    English()
    {
        loaded = translator_.load(QStringLiteral(STRATAGON_GAME_QM));
        QCoreApplication::installTranslator(&translator_);
    }
    ~English() { QCoreApplication::removeTranslator(&translator_); }
    bool loaded = false;

private:
    QTranslator translator_;
};

// The player holds Südafrika (1); Ägypten (2) is the opponent, Namibia (3) passive.
std::unique_ptr<WorldState> threeCountries()
{
    auto w = test::chainWorld(3);
    w->countryName[1] = "Südafrika", w->countryName[2] = "Ägypten", w->countryName[3] = "Namibia";
    w->month = 3, w->year = 2003;
    return w;
}

BattleNews news(int country, int attacker, int defender, int winner, std::string defenderGeneral = {})
{
    BattleNews b;
    b.country = country, b.attacker = attacker, b.defender = defender, b.winner = winner;
    b.attackerGeneralName = attacker == 1 ? "Anna" : "Zorn";
    b.defenderGeneralName = std::move(defenderGeneral);
    return b;
}

const QString Fixtures = QStringLiteral(STRATAGON_FIXTURES "/");
QString fixtureBitmap(const QString&) { return Fixtures + "save-v1-bitmap.bin"; }

// A picture of one colour: every seed lies on the same area.
struct OneColourPicture : MapPicture {
    int width() const override { return 51; }
    int height() const override { return 34; }
    Rgb colourAt(int, int) const override { return 0xC8B414; }
};

QStringList rendered(const WorldState& w)
{
    QStringList out;
    for (const GameEvent& e : w.events)
        out << gametext::eventDate(e) + ": " + gametext::render(e.text);
    return out;
}

}  // namespace

// Every kind of message, German letter for letter as before and English with
// the catalog; the rules' own German (soak, core tests) agrees with the renderer.
TEST(GameText, MessagesReadInGermanAsAlwaysAndInEnglishWithTheCatalog)
{
    struct Case {
        std::function<void(WorldState&)> note;
        const char* german;
        const char* english;
    };
    const Case cases[] = {
        {[](WorldState& w) { noteBattleOpened(w, news(3, 1, 3, 0)); }, "Angriff auf Namibia: Anna gegen Namibia.",
         "Attack on Namibia: Anna against Namibia."},
        {[](WorldState& w) { noteBattleOpened(w, news(2, 1, 2, 0, "Bert")); },
         "Angriff auf Ägypten: Anna gegen Bert (Ägypten).", "Attack on Egypt: Anna against Bert (Egypt)."},
        {[](WorldState& w) { noteBattleOpened(w, news(1, 2, 1, 0)); }, "Ägypten greift Südafrika an!",
         "Egypt attacks South Africa!"},
        {[](WorldState& w) { noteBattleEnded(w, news(3, 1, 2, 1)); }, "Sieg: Anna erobert Namibia von Ägypten.",
         "Victory: Anna conquers Namibia from Egypt."},
        {[](WorldState& w) { noteBattleEnded(w, news(3, 1, 3, 1)); }, "Sieg: Anna erobert Namibia.",
         "Victory: Anna conquers Namibia."},
        {[](WorldState& w) { noteBattleEnded(w, news(3, 1, 3, 3)); },
         "Niederlage: der Angriff auf Namibia ist gescheitert.", "Defeat: the attack on Namibia has failed."},
        {[](WorldState& w) { noteBattleEnded(w, news(1, 2, 1, 1)); },
         "Abgewehrt: Südafrika bleibt dein, Ägypten ist geschlagen.",
         "Repelled: South Africa stays yours, Egypt is beaten."},
        {[](WorldState& w) { noteBattleEnded(w, news(1, 2, 1, 2)); }, "Verloren: Ägypten hat dir Südafrika abgenommen.",
         "Lost: Egypt has taken South Africa from you."},
        {[](WorldState& w) { noteBattleEnded(w, news(3, 2, 3, 2)); }, "Ägypten erobert Namibia.",
         "Egypt conquers Namibia."},
        {[](WorldState& w) { noteBattleEnded(w, news(1, 3, 2, 3)); }, "Namibia erobert Südafrika von Ägypten.",
         "Namibia conquers South Africa from Egypt."},
        {[](WorldState& w) {
             notePromotion(w, {1, 1, 29, 30, "Anna"});
         },
         "Anna ist jetzt Leutnamt.", "Anna is now Lieutenant."},
    };
    for (const Case& c : cases) {
        auto w = threeCountries();
        c.note(*w);
        ASSERT_EQ(w->events.size(), 1u) << c.german;
        const Text& text = w->events.back().text;
        EXPECT_EQ(gametext::render(text), QString::fromUtf8(c.german));
        EXPECT_EQ(germanText(text), c.german);
        EXPECT_EQ(gametext::eventDate(w->events.back()), "März 2003");
        English english;
        ASSERT_TRUE(english.loaded);
        EXPECT_EQ(gametext::render(text), QString::fromUtf8(c.english));
        EXPECT_EQ(gametext::eventDate(w->events.back()), "March 2003");
    }
    // A value is filled in once, even when it looks like a placeholder.
    EXPECT_EQ(gametext::render({MessagesContext, "%1 ist jetzt %2.", {TextArg::plain("%2"), TextArg::rank(0)}}),
              "%2 ist jetzt Unteroffizier.");
    EXPECT_EQ(gametext::render(Text::verbatim("Ägypten erobert 100%1.")), "Ägypten erobert 100%1.");
}

// Ranks, months and status words in German exactly as the rules spell them
// (misspellings included); in English none of the misspellings carries over.
TEST(GameText, RanksMonthsAndStatusWordsInBothLanguages)
{
    for (int level = 0; level < int(RankLadder.size()); ++level)
        EXPECT_EQ(gametext::rankTitle(level).toStdString(), RankLadder[std::size_t(level)].name);
    for (int month = 0; month <= 13; ++month)
        EXPECT_EQ(gametext::monthName(month).toStdString(), monthName(month)) << month;
    for (int status = -1; status <= 3; ++status)
        EXPECT_EQ(gametext::statusName(status).toStdString(), statusTextOf(status)) << status;
    EXPECT_EQ(gametext::rankName(32), "Leutnamt");
    EXPECT_EQ(gametext::date(0, 2001), "2001");

    English english;
    ASSERT_TRUE(english.loaded);
    QStringList ranks;
    for (int level = 0; level < int(RankLadder.size()); ++level)
        ranks << gametext::rankTitle(level);
    EXPECT_EQ(ranks.join('|'), "Private|Private First Class|Lance Corporal|Corporal|Sergeant|Staff Sergeant|"
                               "Sergeant First Class|Master Sergeant|First Sergeant|Sergeant Major|Lieutenant|"
                               "First Lieutenant|Captain|Major|Lieutenant Colonel|Colonel|Brigadier General|"
                               "Major General|Lieutenant General|General");
    EXPECT_EQ(gametext::monthName(3) + gametext::monthName(12), "MarchDecember");
    EXPECT_EQ(gametext::statusName(Ready) + "|" + gametext::statusName(Training) + "|" + gametext::statusName(InBattle),
              "Ready for action|In training|Fighting in battle");
}

// Every map, continent and country of the shipped maps is in the names table
// and has its English name; unknown names (a user's own map) stay as they are.
TEST(GameText, EveryShippedNameIsListedAndTranslated)
{
    QSet<QString> listed;
    for (const char* name : gameNames())
        listed.insert(QString::fromUtf8(name));
    const QStringList maps = QDir(QStringLiteral(STRATAGON_ASSETS "/cards")).entryList({"*.mgi"});
    ASSERT_EQ(maps.size(), 4);
    for (const QString& map : maps) {
        auto w = std::make_unique<WorldState>();
        ASSERT_TRUE(loadMap(*w, (STRATAGON_ASSETS "/cards/" + map).toStdString()).ok) << map.toStdString();
        EXPECT_TRUE(listed.contains(QString::fromStdString(w->continentName))) << w->continentName;
        EXPECT_TRUE(listed.contains(QFileInfo(map).completeBaseName())) << map.toStdString();
        for (int i = 1; i <= w->countryCount; ++i)
            EXPECT_TRUE(listed.contains(QString::fromStdString(w->countryName[i]))) << w->countryName[i];
    }
    English english;
    ASSERT_TRUE(english.loaded);
    int untranslated = 0;
    for (const QString& name : listed)
        untranslated += gametext::name(name.toStdString()).isEmpty();
    EXPECT_EQ(untranslated, 0);
    EXPECT_EQ(gametext::name("Elfenbeinküste") + "|" + gametext::name("Afrika") + "|" + gametext::name("Südafrika") +
                  "|" + gametext::name("Vereinigte Staaten") + "|" + gametext::name("Eigenland"),
              "Côte d'Ivoire|Africa|South Africa|United States|Eigenland");
}

// Saves hold the messages in no language: one made with English installed
// reads in German without it, and back; a version-2 file's sentences stay as
// written; the version-3 golden file loads and writes back the same game.
TEST(GameText, SavedMessagesReadInTheLanguageInstalledWhenShown)
{
    const QByteArray v2 = readSaveBytes(Fixtures + "save-v2.json").bytes;
    auto w = std::make_unique<WorldState>();
    ASSERT_TRUE(readSaveDocument(v2, *w, fixtureBitmap).ok);
    QByteArray doc;
    {
        English english;
        BattleNews attack = news(1, w->side[0], 9, 0, "Bapo");
        attack.attackerGeneralName = "Anna";
        noteBattleOpened(*w, attack);
        EXPECT_EQ(rendered(*w).join('|'), "March 2003: Attack on Algeria: Anna against Bapo (Egypt).");
        doc = saveDocument(*w, "Englisch", QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC),
                           fileSha256(fixtureBitmap({})));
    }
    EXPECT_FALSE(doc.contains("Attack"));
    auto back = std::make_unique<WorldState>();
    const SaveReadResult read = readSaveDocument(doc, *back, fixtureBitmap);
    ASSERT_TRUE(read.ok) << read.message.toStdString();
    EXPECT_FALSE(read.upgraded);
    EXPECT_EQ(rendered(*back).join('|'), "März 2003: Angriff auf Algerien: Anna gegen Bapo (Ägypten).");
    {
        English english;
        EXPECT_EQ(rendered(*back).join('|'), "March 2003: Attack on Algeria: Anna against Bapo (Egypt).");
    }

    // Version 2 kept the German sentence: it stays as written, in any language.
    QJsonObject top = QJsonDocument::fromJson(v2).object(), game = top["game"].toObject();
    game["events"] =
        QJsonArray{QJsonObject{{"kind", 4}, {"year", 2003}, {"month", 2}, {"text", "Ägypten erobert Libyen."}}};
    top["game"] = game;
    auto old = std::make_unique<WorldState>();
    const SaveReadResult upgraded = readSaveDocument(QJsonDocument(top).toJson(), *old, fixtureBitmap);
    ASSERT_TRUE(upgraded.ok) << upgraded.message.toStdString();
    EXPECT_TRUE(upgraded.upgraded);
    ASSERT_EQ(old->events.size(), 1u);
    EXPECT_EQ(old->events[0].text, Text::verbatim("Ägypten erobert Libyen."));
    {
        English english;
        EXPECT_EQ(rendered(*old).join('|'), "February 2003: Ägypten erobert Libyen.");
    }

    const QByteArray golden = readSaveBytes(Fixtures + "save-v3.json").bytes;
    auto third = std::make_unique<WorldState>();
    ViewState view;
    const SaveReadResult current = readSaveDocument(golden, *third, fixtureBitmap, {}, &view);
    ASSERT_TRUE(current.ok) << current.message.toStdString();
    EXPECT_FALSE(current.upgraded);
    EXPECT_EQ(
        rendered(*third).join('|'),
        "Februar 2003: Angriff auf Namibia: Napotu gegen Bapo (Angola).|Februar 2003: Ägypten greift Südafrika an!|"
        "März 2003: Lulu ist jetzt Leutnamt.|März 2003: Ägypten erobert Libyen.");
    {
        English english;
        EXPECT_EQ(rendered(*third).join('|'),
                  "February 2003: Attack on Namibia: Napotu against Bapo (Angola).|February 2003: Egypt attacks South "
                  "Africa!|March 2003: Lulu is now Lieutenant.|March 2003: Ägypten erobert Libyen.");
    }
    const QByteArray rewritten =
        saveDocument(*third, current.name, current.savedAt, fileSha256(fixtureBitmap({})), view);
    EXPECT_EQ(QJsonDocument::fromJson(rewritten).object().value("game"),
              QJsonDocument::fromJson(golden).object().value("game"));
    // A message whose value is of no known kind is damage.
    QJsonObject bad = QJsonDocument::fromJson(golden).object(), badGame = bad["game"].toObject();
    QJsonArray events = badGame["events"].toArray();
    QJsonObject first = events[0].toObject(), text = first["text"].toObject();
    text["args"] = QJsonArray{QJsonObject{{"kind", 9}}};
    first["text"] = text, events[0] = first, badGame["events"] = events, bad["game"] = badGame;
    const SaveReadResult refused = readSaveDocument(QJsonDocument(bad).toJson(), *third, fixtureBitmap);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.message.contains("„game.events[0].text.args[0].kind“ ist 9")) << refused.message.toStdString();
}

// The end of a game and the refusals of the set-up: German as the game has
// always shown them, English with the catalog, the continent's name with it.
TEST(GameText, EndOfGameAndSetUpMessagesInBothLanguages)
{
    auto w = threeCountries();
    w->continentName = "Afrika";
    const EndMessage won = endMessage(*w, GameOutcome::Won);
    const EndMessage lost = endMessage(*w, GameOutcome::Lost);
    EXPECT_EQ(gametext::render(won.title) + "|" + gametext::render(won.text),
              "Gewonnen!|Es ist vollbracht! Deine Generäle haben Afrika unter deiner Kontrolle gebracht.\r\n\r\n"
              "Du hast gewonnen!");
    EXPECT_EQ(gametext::render(lost.title) + "|" + gametext::render(lost.text),
              "Verloren!|Deine Generäle konnten dich nicht zum Sieg führen! Sie sind kläglich gescheitert! Afrika "
              "kannst du vergessen :-(\r\n\r\nDu hast verloren!");
    EXPECT_EQ(gametext::render(won.text).toStdString(), germanText(won.text));
    EXPECT_EQ(gametext::render(errorTitle()) + "|" + gametext::render(missingPictureMessage(nullptr)),
              "Fehler !|Das Kartenbild konnte nicht geladen werden. Das Spiel kann nicht beginnen.");

    English english;
    ASSERT_TRUE(english.loaded);
    EXPECT_EQ(gametext::render(won.title) + "|" + gametext::render(won.text),
              "Won!|It is done! Your generals have brought Africa under your control.\r\n\r\nYou have won!");
    EXPECT_EQ(gametext::render(lost.title), "Lost!");
    EXPECT_TRUE(gametext::render(lost.text).startsWith("Your generals could not lead you to victory!"));
    EXPECT_EQ(gametext::render(errorTitle()) + "|" + gametext::render(missingPictureMessage(nullptr)),
              "Error!|The map picture could not be loaded. The game cannot start.");
}

// A map the game refuses: the loader's fault with the field named inside the
// sentence, and the check's findings with country names, in both languages.
TEST(GameText, MapFaultsInBothLanguages)
{
    QFile file(Fixtures + "small.mgi");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string bytes = file.readAll().replace("\"Namibia\",\"N\",1,", "\"Namibia\",\"N\",100,").toStdString();
    auto broken = std::make_unique<WorldState>();
    const MapLoadResult loaded = loadMapFromBytes(*broken, bytes, "kaputt.mgi");
    ASSERT_FALSE(loaded.ok);

    auto w = threeCountries();
    w->defaultSideCode = "A", w->neighbourCount[1] = w->neighbourCount[2] = 0, w->neighbourCount[3] = 1;
    w->neighbourName[3][1] = "Atlantis";
    const OneColourPicture picture;
    const Text findings = playabilityMessage(checkPlayability(*w, &picture), 1);

    const QString germanFault = "Die Karte ist fehlerhaft: Land 2, Anzahl der Generäle ist 100, erlaubt ist 0 bis 99.";
    EXPECT_EQ(gametext::render(loaded.title) + "|" + gametext::render(loaded.message), "Fehler !|" + germanFault);
    EXPECT_EQ(gametext::render(findings).toStdString(), germanText(findings));
    EXPECT_EQ(gametext::render(findings).section('\n', 0, 1),
              "Auf dieser Karte kann nicht gespielt werden:\n- Der Nachbar „Atlantis“ von „Namibia“ ist kein Land "
              "der Karte.");
    const std::vector<Text> onPicture = checkMapPicture(*w, picture);
    ASSERT_FALSE(onPicture.empty());
    EXPECT_EQ(gametext::render(onPicture.back()),
              "Die Startpunkte von „Südafrika“, „Ägypten“ und „Namibia“ liegen auf derselben Fläche; diese Länder "
              "würden immer zusammen eingefärbt.");

    auto none = std::make_unique<WorldState>();
    const MapLoadResult missing = loadMap(*none, "/nonexistent-stratagon/weg.mgi");

    English english;
    ASSERT_TRUE(english.loaded);
    EXPECT_EQ(gametext::render(loaded.title) + "|" + gametext::render(loaded.message),
              "Error!|The map is faulty: country 2, number of generals is 100, allowed is 0 to 99.");
    EXPECT_EQ(gametext::render(missing.message),
              "The map file \"/nonexistent-stratagon/weg.mgi\" cannot be read: File not found.");
    const QStringList lines = gametext::render(findings).split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0] + lines[1], "This map cannot be played:- The neighbour “Atlantis” of “Namibia” is no country "
                                   "of the map.");
    EXPECT_TRUE(lines[2].startsWith("... and ") && lines[2].endsWith(" more.")) << lines[2].toStdString();
    EXPECT_EQ(gametext::render(onPicture.back()),
              "The seed points of “South Africa”, “Egypt” and “Namibia” lie on the same area; these countries would "
              "always be coloured together.");
}

// What the game says about its files: German letter for letter as before,
// English with the catalog, the parts of a reason each translated whole.
TEST(GameText, FileRefusalsAndSettingsNoticesInBothLanguages)
{
    auto w = test::chainWorld(3);
    const FileResult moved = parseSettings(*w, "0 300");
    const FileResult folder = writeFileAtomically("/nonexistent-stratagon/x.dat", "1");
    const auto refusals = [&w] {
        QStringList out;
        for (const QByteArray& bytes : {QByteArray("{"), QByteArray(R"({"format":"stratagon-save"})"),
                                        QByteArray(R"({"format":"stratagon-save","version":99})")})
            out << readSaveDocument(bytes, *w, {}).message;
        return out;
    };
    EXPECT_EQ(gametext::notice(moved).toStdString(), germanText(moved.notice, "\n"));
    EXPECT_EQ(gametext::reason(folder).toStdString(), folder.description);
    EXPECT_EQ(folder.description, "Im Ordner „/nonexistent-stratagon“ kann keine Datei angelegt werden: Datei "
                                  "nicht gefunden.");
    const QStringList german = refusals();
    EXPECT_TRUE(german[0].startsWith("Der Spielstand ist beschädigt: kein gültiges JSON (")) << german[0].toStdString();
    EXPECT_EQ(german[1], "Der Spielstand ist beschädigt: die Formatversion fehlt oder ist ungültig.");

    English english;
    ASSERT_TRUE(english.loaded);
    EXPECT_EQ(gametext::notice(moved),
              "According to game.dat a game month lasts 0 ms; it can last 416 to 20000 ms. It is now 416 ms.\n"
              "According to game.dat the AI setting is 300; it can be 1 to 256. It is now 256.\n"
              "You can choose the settings again and save them under \"Options\".");
    EXPECT_EQ(gametext::reason(folder),
              "No file can be created in the folder “/nonexistent-stratagon”: File not found.");
    const QStringList english_ = refusals();
    EXPECT_TRUE(english_[0].startsWith("The saved game is damaged: it is no valid JSON ("))
        << english_[0].toStdString();
    EXPECT_EQ(english_[1], "The saved game is damaged: the format version is missing or invalid.");
    EXPECT_TRUE(english_[2].startsWith("This saved game comes from a newer version of Stratagon"));
}
