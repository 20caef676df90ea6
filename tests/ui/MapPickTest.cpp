// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

#include "shell/CountryPickWindow.h"
#include "shell/MapPickWindow.h"
#include "shell/NewGameWindow.h"

#include <QListWidget>
#include <filesystem>

using namespace stratagon;
using namespace stratagon::test;

// "Ändern" beside the map opens "Welche Karte ?"; "Abbrechen" keeps the map,
// "OK" takes the chosen one with its default side, for this game, the next
// one and the preferences.
TEST(MapPick, ChoosesTheMapOfTheGame)
{
    TestProgram t;
    NewGameWindow* w = t.program->showNewGame();
    QAbstractButton* change = w->findChild<QAbstractButton*>("mapChangeButton");
    ASSERT_TRUE(change && change->isEnabled());
    EXPECT_EQ(w->mapName(), "Afrika");

    for (const bool ok : {false, true}) {
        press(change);
        MapPickWindow* pick = pickWindow<MapPickWindow>(t);
        ASSERT_NE(pick, nullptr);
        EXPECT_TRUE(blocked(w));
        QListWidget* list = pick->mapList();
        ASSERT_EQ(list->count(), 4);
        EXPECT_EQ(list->currentItem()->text(), "Afrika, 55 Länder");
        list->setCurrentRow(3);
        press(pick, ok ? "OK" : "Abbrechen");
        settle();
        EXPECT_FALSE(blocked(w));
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

// A map the cached verdicts call playable but changed in place since, within
// the same size and time, is checked again by its bytes when chosen and stays
// greyed with its reason. Named in the preferences from a time it was good,
// the start refuses it: the loader's error, no game on the tables of the
// game before, the menu back.
TEST(MapPick, AMapChangedInPlaceIsRefusedWhenChosenAndAtTheStart)
{
    TestProgram t;
    NewGameWindow* w = t.program->showNewGame();
    press(w->findChild<QAbstractButton*>("mapChangeButton"));
    press(pickWindow<MapPickWindow>(t), "Abbrechen");  // the verdicts are kept now
    settle();

    const std::filesystem::path europa = t.path("cards/Europa.mgi").toStdString();
    const auto time = std::filesystem::last_write_time(europa);
    QFile file(t.path("cards/Europa.mgi"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_EQ(file.read(1), "1");
    file.seek(0);
    file.write("2");  // a version no map has
    file.close();
    std::filesystem::last_write_time(europa, time);

    press(w->findChild<QAbstractButton*>("mapChangeButton"));
    MapPickWindow* pick = pickWindow<MapPickWindow>(t);
    ASSERT_NE(pick, nullptr);
    QListWidget* list = pick->mapList();
    ASSERT_EQ(list->item(3)->text(), "Europa, 41 Länder");  // from the cache
    list->setCurrentRow(3);
    press(pick, "OK");
    ASSERT_EQ(pickWindow<MapPickWindow>(t), pick);
    EXPECT_TRUE(list->item(3)->text().startsWith("Europa – Entweder handelt es sich um keine Stratagonkarte"))
        << list->item(3)->text().toStdString();
    EXPECT_EQ(list->item(3)->flags(), Qt::NoItemFlags);
    press(pick, "Abbrechen");
    EXPECT_EQ(w->mapName(), "Afrika");
    EXPECT_TRUE(t.program->preferences().mapName().isEmpty());

    t.program->preferences().setMapName("Europa");
    const std::size_t before = t.dialogs.shown.size();
    press(w, "Starten");
    settle();
    ASSERT_GT(t.dialogs.shown.size(), before);
    EXPECT_TRUE(t.dialogs.shown.back().text.startsWith("Entweder handelt es sich um keine Stratagonkarte"))
        << t.dialogs.shown.back().text.toStdString();
    EXPECT_FALSE(t.world->playing);
    EXPECT_EQ(t.program->mainWindow(), nullptr);
    ASSERT_NE(t.program->optionsMenu(), nullptr);
    EXPECT_TRUE(t.program->optionsMenu()->isVisible());
}

// The countries in German order, Ä with A. A side chosen on one map is kept
// by its name: another map without that country starts on its own default
// side, never on the country that happens to have the same code there, and
// the first map has it back; so does the next new game.
TEST(MapPick, TheChosenSideFollowsItsNameAcrossMapsAndGames)
{
    TestProgram t;
    NewGameWindow* w = t.program->showNewGame();
    press(sideChange(w));
    QListWidget* countries = pickWindow<CountryPickWindow>(t)->countryList();
    QStringList names;
    for (int i = 0; i < 6; ++i)
        names << countries->item(i)->text();
    EXPECT_EQ(names.join('|'), "Ägypten|Algerien|Angola|Äquatorialguinea|Äthiopien|Benin");
    countries->setCurrentRow(0);
    press(pickWindow<CountryPickWindow>(t), "OK");
    ASSERT_EQ(w->sideText(), "Ägypten");

    for (const auto& [row, side] : {std::pair{3, "Spanien"}, std::pair{0, "Ägypten"}}) {
        press(w->findChild<QAbstractButton*>("mapChangeButton"));
        pickWindow<MapPickWindow>(t)->mapList()->setCurrentRow(row);
        press(pickWindow<MapPickWindow>(t), "OK");
        EXPECT_EQ(w->sideText(), QString::fromUtf8(side));
        EXPECT_EQ(t.world->countryName[t.world->side[0]], side);
    }
    press(w, "Abbrechen");
    EXPECT_EQ(t.program->showNewGame()->sideText(), "Ägypten");
}
