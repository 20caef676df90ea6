// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

#include "shell/MapCatalog.h"
#include "shell/CountryPickWindow.h"
#include "shell/MapPickWindow.h"
#include "shell/NewGameWindow.h"

#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

using namespace stratagon;
using namespace stratagon::test;

namespace {

QString names(const QList<MapEntry>& maps)
{
    QStringList n;
    for (const MapEntry& m : maps)
        if (m.playable())
            n << QStringLiteral("%1/%2/%3").arg(m.name, m.continent).arg(m.countries);
    return n.join(' ');
}

void write(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

// Refused files, maps without their picture and names found in an earlier
// folder cannot be played (the reasons: FolderFaultsTest); none of them stops
// the listing.
TEST(MapList, OffersOnlyMapsThatLoadWithTheirPicture)
{
    const QString shipped = QStringLiteral(STRATAGON_ASSETS "/cards/");
    QTemporaryDir own;
    const QDir dir(own.path());
    QFile::copy(shipped + "Europa.mgi", dir.filePath("Eigene.mgi"));
    QFile::copy(shipped + "Europa.bmp", dir.filePath("Eigene.BMP"));
    QFile::copy(shipped + "Asien.mgi", dir.filePath("OhneBild.mgi"));
    write(dir.filePath("Aaa kaputt.mgi"), "1,\"nur der Anfang");
    QFile::copy(shipped + "Afrika.bmp", dir.filePath("Aaa kaputt.bmp"));
    write(dir.filePath("Leer.mgi"), "");
    QFile::copy(shipped + "Afrika.bmp", dir.filePath("Leer.bmp"));
    QFile::copy(shipped + "Amerika.mgi", dir.filePath("Falsches Bild.mgi"));  // the check refuses it
    QFile::copy(shipped + "Europa.bmp", dir.filePath("Falsches Bild.bmp"));
    QFile::copy(shipped + "Amerika.mgi", dir.filePath("Afrika.mgi"));  // the shipped one comes first
    QFile::copy(shipped + "Amerika.bmp", dir.filePath("Afrika.bmp"));

    EXPECT_EQ(names(listMaps({shipped, own.path()})),
              "Afrika/Afrika/55 Amerika/Amerika/29 Asien/Asien/48 Eigene/Europa/41 Europa/Europa/41");
    EXPECT_EQ(names(listMaps({dir.filePath("fehlt"), own.path()})), "Afrika/Amerika/29 Eigene/Europa/41");
}

// "Ändern" beside the map opens "Welche Karte ?"; "Abbrechen" keeps the map,
// "OK" takes the chosen one with its default side, for this game, the next
// one and the preferences.
TEST(MapPick, ChoosesTheMapOfTheGame)
{
    TestProgram t;
    NewGameWindow* w = t.program->showNewGame();
    QAbstractButton* change = w->findChild<QAbstractButton*>("mapChangeButton");
    ASSERT_TRUE(change && change->isEnabled());
    EXPECT_EQ(change->geometry(), QRect(160, 16, 57, 17));
    EXPECT_EQ(w->mapName(), "Afrika");

    for (const bool ok : {false, true}) {
        press(change);
        MapPickWindow* pick = pickWindow<MapPickWindow>(t);
        ASSERT_NE(pick, nullptr);
        EXPECT_EQ(pick->windowTitle(), "Welche Karte ?");
        EXPECT_FALSE(w->isEnabled());
        QListWidget* list = pick->mapList();
        ASSERT_EQ(list->count(), 4);
        EXPECT_EQ(list->currentItem()->text(), "Afrika – Afrika, 55 Länder");
        list->setCurrentRow(3);
        press(pick, ok ? "OK" : "Abbrechen");
        settle();
        EXPECT_TRUE(w->isEnabled());
        EXPECT_EQ(w->mapName(), ok ? "Europa" : "Afrika");
        EXPECT_EQ(w->sideText(), ok ? "Spanien" : "Südafrika");
    }
    EXPECT_EQ(t.program->preferences().mapName(), "Europa");

    press(w, "Starten");
    ASSERT_NE(t.program->mainWindow(), nullptr);
    EXPECT_EQ(t.world->continentName, "Europa");
    EXPECT_EQ(t.world->countryCount, 41);
    EXPECT_EQ(t.world->countryName[t.world->side[0]], "Spanien");
    EXPECT_EQ(t.world->countryName[t.world->side[1]], "Russland");
}

// A side chosen on one map is kept by its name: another map without that
// country starts on its own default side, never on the country that happens
// to have the same code there, and the first map has it back.
TEST(MapPick, TheChosenSideFollowsItsNameAcrossMaps)
{
    TestProgram t;
    NewGameWindow* w = t.program->showNewGame();
    press(sideChange(w));
    QListWidget* countries = pickWindow<CountryPickWindow>(t)->countryList();
    const QList<QListWidgetItem*> found = countries->findItems("Ägypten", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    countries->setCurrentItem(found.first());
    press(pickWindow<CountryPickWindow>(t), "OK");
    settle();
    ASSERT_EQ(w->sideText(), "Ägypten");

    for (const auto& [row, side] : {std::pair{3, "Spanien"}, std::pair{0, "Ägypten"}}) {
        press(w->findChild<QAbstractButton*>("mapChangeButton"));
        pickWindow<MapPickWindow>(t)->mapList()->setCurrentRow(row);
        press(pickWindow<MapPickWindow>(t), "OK");
        settle();
        EXPECT_EQ(w->sideText(), QString::fromUtf8(side));
        EXPECT_EQ(t.world->countryName[t.world->side[0]], side);
    }
}
