// SPDX-License-Identifier: GPL-3.0-or-later
// Files in the player's folders that are no files to read (links to devices,
// pipes, folders, dangling links), the index of the saves and the verdicts
// on the maps kept between openings, and refused maps shown with the reason.

#include "ShellTestSupport.h"

#include "shell/LoadGameWindow.h"
#include "shell/MapCatalog.h"
#include "shell/MapPickWindow.h"
#include "storage/SaveList.h"

#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <sys/stat.h>

using namespace stratagon;
using namespace stratagon::test;

namespace {

const QString Fixture = QStringLiteral(STRATAGON_FIXTURES "/save-v1.json");
const QString Shipped = QStringLiteral(STRATAGON_ASSETS "/cards/");

// Beside one good file `good`: a link to /dev/zero, a pipe, a link to a
// folder, a dangling link, each named "<kind><suffix>".
void addTraps(const QDir& dir, const QString& suffix)
{
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("null" + suffix)));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe" + suffix)).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(dir.path(), dir.filePath("ordner" + suffix)));
    ASSERT_TRUE(QFile::link(dir.filePath("fehlt"), dir.filePath("weg" + suffix)));
}

QString listed(const QList<SaveSummary>& saves)
{
    QStringList out;
    for (const SaveSummary& s : saves)
        out << s.name + (s.readable ? "|" + s.country : QStringLiteral("|-"));
    // Damaged entries come last, in the order of their files' times.
    std::sort(out.begin(), out.end());
    return out.join(' ');
}

}  // namespace

// Nothing in the saves folder stalls the list or a load: whatever is not a
// regular file is listed damaged and never opened.
TEST(SaveFolder, LinksPipesAndFoldersAreListedDamagedUnread)
{
    QTemporaryDir dir;
    const QDir saves(dir.path());
    ASSERT_TRUE(QFile::copy(Fixture, saves.filePath("gut.json")));
    addTraps(saves, ".json");
    const QString country = summariseSave("", readSaveBytes(Fixture).bytes).country;
    ASSERT_FALSE(country.isEmpty());

    const QString expected = "Südafrika, März 2003|" + country + " null|- ordner|- pipe|- weg|-";
    EXPECT_EQ(listed(listSaves(dir.path())), expected);

    for (const QString trap : {"null", "pipe", "ordner", "weg"}) {
        WorldState world;
        const SaveReadResult read = readSaveFile(saves.filePath(trap + ".json"), world, {});
        EXPECT_FALSE(read.ok) << trap.toStdString();
        EXPECT_TRUE(read.message.startsWith("Der Spielstand „")) << read.message.toStdString();
    }
}

// The index spares reading a save again while its size and time hold; a
// changed save is read again, a damaged index is ignored and made anew.
TEST(SaveFolder, IndexFollowsTheFilesAndSurvivesDamage)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("saves");
    const QString index = dir.filePath("cache/index.json");
    QDir().mkpath(folder);
    QByteArray save = readSaveBytes(Fixture).bytes;
    writeFile(folder + "/a.json", save);
    EXPECT_EQ(listSaves(folder, index).at(0).name, "Südafrika, März 2003");
    ASSERT_TRUE(QFileInfo(index).isFile());

    SaveIndex scanned(folder, index);
    scanned.scan();
    EXPECT_EQ(scanned.unread(), 0);

    // Renamed inside, same length, another time: read again.
    save.replace("\"name\":\"Südafrika, März 2003\"", "\"name\":\"Version 2\"");
    writeFile(folder + "/a.json", save);
    QFile(folder + "/a.json").setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    EXPECT_EQ(listSaves(folder, index).at(0).name, "Version 2");

    for (const QByteArray& damage :
         {QByteArray("{\"format\":\"stratagon-save-index\",\"version\":1,\"saves\":{\"a.json\":"
                     "[1,2,3]}}"),
          QByteArray("\x00\xff{", 3)}) {
        writeFile(index, damage);
        EXPECT_EQ(listed(listSaves(folder, index)), "Version 2|" + listSaves(folder).at(0).country);
        SaveIndex again(folder, index);
        again.scan();
        EXPECT_EQ(again.unread(), 0) << "the index was made anew";
    }
}

// Many saves not in the index are read on a worker thread: the window opens
// at once, says that it reads, and lists them when done.
TEST(SaveFolder, ManyNewSavesAreReadBehindTheOpenWindow)
{
    TestProgram t;
    const QDir saves(t.path("saves"));
    saves.mkpath(".");
    const QByteArray save = readSaveBytes(Fixture).bytes;
    for (int i = 0; i < 250; ++i)
        writeFile(saves.filePath(QString("Stand %1.json").arg(i)), save);
    LoadGameWindow* window = t.program->showLoadGame();
    auto* list = window->findChild<QTreeWidget*>("saveList");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "Die Spielstände werden gelesen …");
    EXPECT_FALSE(button(window, "Laden")->isEnabled());
    for (int i = 0; i < 600 && list->topLevelItemCount() == 1; ++i)
        waitFor(50);
    EXPECT_EQ(list->topLevelItemCount(), 250);
    EXPECT_TRUE(button(window, "Laden")->isEnabled());
    press(window, "Abbrechen");
}

// A map the player put beside the shipped ones and that cannot be played is
// listed greyed with the reason, whatever is wrong with it; nothing blocks.
// A name found in an earlier folder is refused; without that folder the
// player's own map of that name is offered.
TEST(MapFolder, RefusedMapsAreListedWithTheirReason)
{
    QTemporaryDir own;
    const QDir dir(own.path());
    QFile::copy(Shipped + "Europa.mgi", dir.filePath("Eigene.mgi"));
    QFile::copy(Shipped + "Europa.bmp", dir.filePath("Eigene.BMP"));
    QFile::copy(Shipped + "Amerika.mgi", dir.filePath("Afrika.mgi"));  // the shipped one has the name
    QFile::copy(Shipped + "Amerika.bmp", dir.filePath("Afrika.bmp"));
    QFile::copy(Shipped + "Europa.mgi", dir.filePath("Bild kaputt.mgi"));
    writeFile(dir.filePath("Bild kaputt.bmp"), QByteArray("BM") + QByteArray(100, 'x'));
    writeFile(dir.filePath("Karte kaputt.mgi"), "1,\"nur der Anfang");
    QFile::copy(Shipped + "Afrika.bmp", dir.filePath("Karte kaputt.bmp"));
    writeFile(dir.filePath("Leer.mgi"), "");
    QFile::copy(Shipped + "Afrika.bmp", dir.filePath("Leer.bmp"));
    QFile::copy(Shipped + "Amerika.mgi", dir.filePath("Falsches Bild.mgi"));  // fails the check
    QFile::copy(Shipped + "Europa.bmp", dir.filePath("Falsches Bild.bmp"));
    QFile::copy(Shipped + "Asien.mgi", dir.filePath("Ohne Bild.mgi"));
    QFile::copy(Shipped + "Asien.bmp", dir.filePath("pipe.bmp"));
    QFile::copy(Shipped + "Asien.mgi", dir.filePath("null.bmp"));
    addTraps(dir, ".mgi");
    QFile::remove(dir.filePath("null.bmp"));
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("null.bmp")));
    QFile::copy(Shipped + "Asien.mgi", dir.filePath("Gerätebild.mgi"));
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("Gerätebild.bmp")));

    const auto shown = [](const QList<MapEntry>& maps) {
        QStringList lines;
        for (const MapEntry& m : maps)
            lines << m.name + (m.playable() ? "/" + m.continent : ": " + m.problem.left(70));
        return lines;
    };
    const QString cache = own.filePath("cache/maps.json");
    const QStringList seen = shown(listMaps({Shipped, own.path()}, cache));
    EXPECT_EQ(shown(listMaps({Shipped, own.path()}, cache)), seen) << "the second time from the cache";
    EXPECT_EQ(seen.mid(0, 5),
              QStringList({"Afrika/Afrika", "Amerika/Amerika", "Asien/Asien", "Eigene/Europa", "Europa/Europa"}));
    const QString all = seen.mid(5).join('\n');
    for (const QString expected :
         {"Afrika: Es gibt schon eine Karte „Afrika“.", "Bild kaputt: Das Kartenbild",
          "Falsches Bild: ", "Gerätebild: Das Kartenbild kann nicht gelesen werden: Die Datei ist ein Gerät",
          "Karte kaputt: ", "Leer: ", "null: Die Kartendatei ist keine gewöhnliche",
          "Ohne Bild: Das Kartenbild „Ohne Bild.bmp“ fehlt.", "ordner: Die Kartendatei ist keine",
          "pipe: Die Kartendatei ist keine", "weg: Die Kartendatei ist keine"})
        EXPECT_TRUE(all.contains(expected)) << expected.toStdString() << "\n" << all.toStdString();
    EXPECT_EQ(seen.size(), 16) << all.toStdString();
    EXPECT_EQ(shown(listMaps({own.filePath("fehlt"), own.path()})).mid(0, 2),
              QStringList({"Afrika/Amerika", "Eigene/Europa"}));
}

// In "Welche Karte ?" a refused map is greyed and cannot be chosen; maps not
// seen before are checked on a worker thread while the window stays usable.
TEST(MapFolder, PickWindowGreysRefusedMapsAndChecksNewOnesInTheBackground)
{
    TestProgram t;
    const QDir cards(t.path("cards"));
    for (int i = 0; i < 6; ++i) {
        QFile::link(cards.filePath("Amerika.mgi"), cards.filePath(QString("Neu %1.mgi").arg(i)));
        QFile::link(cards.filePath(i == 5 ? "Europa.bmp" : "Amerika.bmp"),
                    cards.filePath(QString("Neu %1.bmp").arg(i)));
    }
    NewGameWindow* w = t.program->showNewGame();
    press(w->findChild<QAbstractButton*>("mapChangeButton"));
    MapPickWindow* pick = pickWindow<MapPickWindow>(t);
    ASSERT_NE(pick, nullptr);
    QListWidget* list = pick->mapList();
    ASSERT_EQ(list->count(), 10);
    EXPECT_TRUE(pick->checking());
    EXPECT_TRUE(list->item(0)->text().endsWith("wird geprüft …"));
    EXPECT_EQ(list->item(0)->flags(), Qt::NoItemFlags);
    for (int i = 0; i < 600 && pick->checking(); ++i)
        waitFor(50);
    ASSERT_FALSE(pick->checking());
    EXPECT_EQ(list->item(0)->text(), "Afrika, 55 Länder");
    EXPECT_EQ(list->currentRow(), 0);
    const QString last = list->item(9)->text();
    EXPECT_TRUE(last.startsWith("Neu 5 – ")) << last.toStdString();
    EXPECT_EQ(list->item(9)->flags(), Qt::NoItemFlags);
    EXPECT_FALSE(list->item(9)->toolTip().isEmpty());

    // Chosen anyway (as a script can), it is not taken.
    list->setCurrentRow(9, QItemSelectionModel::ClearAndSelect);
    press(pick, "OK");
    EXPECT_EQ(w->mapName(), "Afrika");

    // Next time everything comes from the cache, at once.
    press(w->findChild<QAbstractButton*>("mapChangeButton"));
    pick = pickWindow<MapPickWindow>(t);
    ASSERT_NE(pick, nullptr);
    EXPECT_FALSE(pick->checking());
    EXPECT_EQ(pick->mapList()->item(9)->text(), last);

    // A switch of language says the reasons again in the new one.
    t.program->useLanguage("en");
    deliverLanguageChange();
    const QString english = pick->mapList()->item(9)->text();
    EXPECT_TRUE(english.startsWith("Neu 5 – ") && english != last) << english.toStdString();
    EXPECT_EQ(pick->mapList()->item(9)->toolTip(), english.mid(QString("Neu 5 – ").size()));
    EXPECT_EQ(pick->mapList()->item(0)->text(), "Africa, 55 countries");
    t.program->useLanguage("de");
    deliverLanguageChange();
    EXPECT_EQ(pick->mapList()->item(9)->text(), last);
    press(pick, "Abbrechen");
}
