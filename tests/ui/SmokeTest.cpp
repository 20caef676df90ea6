// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

#include "generals/DeployWindow.h"
#include "generals/GeneralListWindow.h"
#include "generals/RanksWindow.h"
#include "generals/TaskWindow.h"

#include <QPointer>
#include <QTreeWidget>

using namespace stratagon;
using namespace stratagon::test;

// The window goes by its frame; `back`, when given, is then the one usable window.
static void closeLeaving(QWidget* window, QWidget* back)
{
    QPointer<QWidget> gone = window;
    closeByFrame(window);
    EXPECT_TRUE(gone.isNull());
    if (back)
        expectOnlyUsable(back);
}

// Every window of the program, before and during a game, closed by its frame.
TEST(WindowFrame, EveryWindowClosedByItsFrameLeavesOneUsableWindow)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    OptionsMenuWindow* menu = t.program->optionsMenu();
    press(menu, "Optionen");
    closeLeaving(t.program->settingsWindow(), menu);
    press(menu, "Credits");
    closeLeaving(t.program->creditsWindow(), menu);
    press(menu, "Spiel starten");
    NewGameWindow* newGame = t.program->newGameWindow();
    press(sideChange(newGame));
    closeLeaving(pickWindow<CountryPickWindow>(t), newGame);
    closeLeaving(newGame, nullptr);
    expectMenuBeforeGame(t);

    MainWindow* main = startGame(t);
    ASSERT_NE(main, nullptr);
    // The roster, and ranks and task opened from it.
    press(main->findChild<QPushButton*>("generalsButton"));
    GeneralListWindow* roster = t.program->generalListWindow();
    ASSERT_NE(roster, nullptr);
    press(roster, "Dienstgrade");
    closeLeaving(t.program->ranksWindow(), nullptr);
    auto* list = roster->findChild<QTreeWidget*>();
    ASSERT_TRUE(list && list->topLevelItemCount() > 0);
    list->topLevelItem(0)->setSelected(true);
    press(roster, "Aufgabe");
    closeLeaving(t.program->taskWindow(), nullptr);
    closeLeaving(roster, main);
    // The deployment window, opened as the map click opens it.
    closeLeaving(t.program->showDeploy(0), main);
    EXPECT_TRUE(main->session().clockRunning());
    // The menu of the paused game and what it opens; its frame resumes the game.
    press(main->findChild<QPushButton*>("optionsMenuButton"));
    menu = t.program->optionsMenu();
    press(menu, "Optionen");
    closeLeaving(t.program->settingsWindow(), menu);
    press(menu, "Credits");
    closeLeaving(t.program->creditsWindow(), menu);
    closeLeaving(menu, main);
    EXPECT_TRUE(main->session().clockRunning() && t.program->playing());

    // The main window itself, running and paused (the menu over it keeps its
    // frame from closing it): it asks first; "Nein" keeps the game as it was;
    // "Ja" ends it, the menu comes back in its first form and the program
    // goes on; its frame then ends it.
    for (const bool paused : {false, true}) {
        if (paused && (main = startGame(t)))
            press(main->findChild<QToolButton*>("pauseButton"));
        t.dialogs.answers = {false};
        closeByFrame(main);
        EXPECT_EQ(t.dialogs.shown.back().text, "Willst du das laufende Spiel wirklich beenden?");
        EXPECT_TRUE(t.program->mainWindow() == main && t.program->playing());
        EXPECT_EQ(main->session().clockRunning(), !paused);
        t.dialogs.answers = {true};
        closeLeaving(main, nullptr);
        expectMenuBeforeGame(t);
        EXPECT_FALSE(t.program->quitRequested());
    }
    closeLeaving(t.program->optionsMenu(), nullptr);
    EXPECT_TRUE(t.program->quitRequested());
}
