// SPDX-License-Identifier: GPL-3.0-or-later
// What the player chooses before and beside a game: the new game's rules,
// strength and clock shown and kept, the text size seen while it is chosen,
// Return for OK, a word after saving, a message that shows its country.

#include "ShellTestSupport.h"

#include "mapview/GamePanels.h"
#include "mapview/MessagesPanel.h"
#include "platform/KeyboardAccess.h"
#include "world/Rules.h"

#include <QtTest/QTest>
#include <QtWidgets>

namespace stratagon::test {
namespace {

// "Neues Spiel" shows what the game will be played by, as last chosen; a
// change there is kept (game.dat, the preferences) and played; nothing
// changed writes nothing.
TEST(NewGame, ShowsTheRulesStrengthAndClockItStartsWithAndKeepsAChange)
{
    TestProgram t;
    writeGameDat(t, " 2500 \r\n 1 \r\n");  // 30s, "Irrsinnig"
    t.program->preferences().setValue("guide/offered", "nein");
    ASSERT_TRUE(t.program->start());
    press(t.program->optionsMenu(), "Spiel starten");
    NewGameWindow* w = t.program->newGameWindow();
    ASSERT_TRUE(w);
    EXPECT_EQ(std::tuple(w->ruleChoice()->currentText(), w->strengthChoice()->currentText(), w->clockChoice()->currentText()),
              std::tuple(QString("Klassisch"), QString("Irrsinnig"), QString("30s")));
    EXPECT_EQ(w->clockChoice()->count(), 9);
    press(w, "Starten");
    ASSERT_TRUE(t.program->mainWindow());
    EXPECT_EQ(fileBytes(t.path("game.dat")), " 2500 \r\n 1 \r\n") << "nothing changed, nothing written";
    EXPECT_EQ(t.world->aiDivisor, 1);

    t.dialogs.threeWay = {Answer::No};
    press(t.program->mainWindow()->findChild<QPushButton*>("optionsMenuButton"));
    press(t.program->optionsMenu(), "Spiel abbrechen");
    press(t.program->optionsMenu(), "Spiel starten");
    w = t.program->newGameWindow();
    w->strengthChoice()->setCurrentIndex(0);  // "Sehr Leicht"
    w->clockChoice()->setCurrentIndex(0);     // "5s"
    w->ruleChoice()->setCurrentIndex(RulesZuegig);
    press(w, "Starten");
    ASSERT_TRUE(t.program->mainWindow());
    EXPECT_EQ(std::tuple(t.world->monthInterval, t.world->aiDivisor, t.world->ruleSet),
              std::tuple(416, 256, int(RulesZuegig)));
    EXPECT_EQ(fileBytes(t.path("game.dat")), " 416 \r\n 256 \r\n");
    EXPECT_EQ(t.program->preferences().ruleSet(), RulesZuegig);
}

// The text size shows while it is chosen; "Abbrechen" goes back to the kept
// one, Return in the box presses OK, which keeps it.
TEST(SettingsWindow, TheTextSizeShowsAsItIsChosenAndReturnPressesOk)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    SettingsWindow* settings = t.program->showSettings();
    settings->textSizeChoice()->setValue(150);
    EXPECT_EQ(textSizePercent(), 150) << "seen at once";
    press(settings, "Abbrechen");
    EXPECT_EQ(textSizePercent(), 100);
    EXPECT_EQ(t.program->preferences().textSizePercent(), 100);

    settings = t.program->showSettings();
    settings->activateWindow();
    settings->textSizeChoice()->setFocus();
    settings->textSizeChoice()->setValue(125);
    QTest::keyClick(settings->textSizeChoice(), Qt::Key_Return);
    settle();
    EXPECT_EQ(t.program->settingsWindow(), nullptr) << "Return pressed OK";
    EXPECT_EQ(t.program->preferences().textSizePercent(), 125);
    applyTextSize(100);
}

// After "Spiel speichern" the menu says in a word that and where it saved.
TEST(SaveLoad, SavingSaysSoInTheMenu)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    MainWindow* main = startGame(t);
    ASSERT_TRUE(main);
    press(main->findChild<QPushButton*>("optionsMenuButton"));
    t.dialogs.inputs = {"Mein Stand"};
    press(t.program->optionsMenu(), "Spiel speichern");
    EXPECT_EQ(t.program->optionsMenu()->notice(), "Gespeichert: Mein Stand");
    // Said first when the menu has the keys again.
    EXPECT_TRUE(t.program->optionsMenu()->accessibleDescription().startsWith("Gespeichert: Mein Stand. "));
    EXPECT_TRUE(hasLabel(t.program->optionsMenu(), "Gespeichert: Mein Stand"));
}

// A message chosen, by a click or by the arrow keys and Return, shows the
// country it names in the information panel.
TEST(MessagesPanel, AMessageChosenShowsItsCountry)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    MainWindow* main = startGame(t);
    ASSERT_TRUE(main);
    WorldState& w = *t.world;
    const int libyen = countryIndexByName(w, "Libyen");
    ASSERT_GT(libyen, 0);
    w.events.push_back({EventKind::CountryTaken, w.year, w.month,
                        Text(MessagesContext, "%1 erobert %2.", {TextArg::name("Ägypten"), TextArg::name("Libyen")})});
    main->refreshPanels();
    QListWidget* list = main->gamePanels()->messages()->list();
    ASSERT_GT(list->count(), 0);
    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    settle();
    EXPECT_EQ(main->session().view().shownCountry, libyen) << "the country taken, not the side that took it";
    EXPECT_EQ(main->findChild<QLabel*>("landLabel")->text(), "Libyen");
}

}  // namespace
}  // namespace stratagon::test
