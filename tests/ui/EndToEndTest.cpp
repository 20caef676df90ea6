// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

#include <QKeyEvent>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// The main window's options button: clock stopped, the window waiting behind
// the menu in its pause form.
OptionsMenuWindow* pause(TestProgram& t, MainWindow* main)
{
    press(main->findChild<QPushButton*>("optionsMenuButton"));
    EXPECT_TRUE(main->isVisible() && blocked(main) && !main->session().clockRunning());
    OptionsMenuWindow* menu = t.program->optionsMenu();
    EXPECT_TRUE(menu && button(menu, "Zurück zum Spiel") && button(menu, "Spiel abbrechen")->isEnabled());
    return menu;
}

// A game in January 2000 with every country its own owner, on the given side.
void expectFreshGameRunning(TestProgram& t, MainWindow* main, int side)
{
    ASSERT_TRUE(main && t.program->mainWindow() == main && t.program->playing() && !t.program->optionsMenu());
    EXPECT_TRUE(main->isVisible() && !blocked(main) && main->session().clockRunning())
        << main->isVisible() << blocked(main) << main->session().holds() << main->session().paused();
    EXPECT_EQ(t.world->side[0], side);
    EXPECT_TRUE(t.world->month == 1 && t.world->year == 2000);
    for (int i = 1; i <= t.world->countryCount; ++i)
        EXPECT_EQ(t.world->countryOwner[i], i) << i;
}

}  // namespace

// The window table from start-up to "Beenden", through every branch of the menu.
TEST(ProgramFlow, StartPlayPauseResumeRestartAbandonQuit)
{
    TestProgram t;
    t.program->preferences().setValue("guide/offered", "nein");  // not the very first start
    ASSERT_TRUE(t.program->start());
    waitFor(150);  // the focus timer gives Enter to the start button
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(t.program->optionsMenu()->focusWidget(), &enter);
    settle();
    NewGameWindow* newGame = t.program->newGameWindow();
    ASSERT_TRUE(newGame && newGame->sideText() == "Südafrika");
    const int side = t.world->side[0];

    // "Starten": while it loads nothing can be pressed (a second start would
    // set up the game twice).
    button(newGame, "Starten")->click();
    EXPECT_FALSE(sideChange(newGame)->isEnabled());
    for (const char* text : {"Starten", "Abbrechen", "einfaches Spiel"})
        EXPECT_FALSE(button(newGame, text)->isEnabled()) << text;
    settle();
    MainWindow* main = t.program->mainWindow();
    expectFreshGameRunning(t, main, side);

    // "Zurück zum Spiel" in the menu, and in the question of "Spiel abbrechen":
    // the game goes on.
    press(pause(t, main), "Zurück zum Spiel");
    expectFreshGameRunning(t, main, side);
    t.dialogs.threeWay = {Answer::Cancel};
    press(pause(t, main), "Spiel abbrechen");
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].buttons, "Neu starten|Aufgeben|Zurück zum Spiel");
    expectFreshGameRunning(t, main, side);

    // Restart the mission: a fresh game on the same side.
    main->session().tick();
    t.world->countryOwner[side == 1 ? 2 : 1] = side;
    t.dialogs.threeWay = {Answer::Yes};
    press(pause(t, main), "Spiel abbrechen");
    ASSERT_EQ(t.dialogs.shown.size(), 2u);
    EXPECT_EQ(t.dialogs.shown[1].kind, "question3");
    expectFreshGameRunning(t, main, side);

    // Give the game up; a second game starts as the first did, and is given up too.
    for (int round = 0; round < 2; ++round) {
        t.dialogs.threeWay = {Answer::No};
        press(pause(t, main), "Spiel abbrechen");
        expectMenuBeforeGame(t);
        if (round == 0)
            expectFreshGameRunning(t, main = startGame(t), side);
    }
    press(t.program->optionsMenu(), "Beenden");
    EXPECT_TRUE(t.program->quitRequested() && !t.program->optionsMenu());
    EXPECT_EQ(t.dialogs.shown.size(), 4u);  // "Beenden" asks nothing
}
