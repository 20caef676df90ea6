#include "ShellTestSupport.h"
#include "TestSupport.h"

#include "mapview/MainWindow.h"
#include "shell/CreditsWindow.h"
#include "shell/NewGameWindow.h"
#include "shell/OptionsMenuWindow.h"
#include "shell/SettingsWindow.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QSlider>
#include <QTimer>

using namespace stratagon;
using namespace stratagon::test;

namespace {

OptionsMenuWindow* pauseFromMainWindow(TestProgram& t, MainWindow* main)
{
    auto* optionsButton = main->findChild<QPushButton*>(QStringLiteral("optionsMenuButton"));
    EXPECT_NE(optionsButton, nullptr);
    if (!optionsButton)
        return nullptr;
    press(optionsButton);
    EXPECT_FALSE(main->clockTimer()->isActive());
    EXPECT_FALSE(main->isEnabled());
    EXPECT_TRUE(main->isVisible());
    OptionsMenuWindow* menu = t.program->optionsMenu();
    EXPECT_NE(menu, nullptr);
    if (menu) {
        EXPECT_TRUE(hasLabel(menu, QStringLiteral("Spielpause")));
        EXPECT_NE(button(menu, QStringLiteral("Zurück zum Spiel")), nullptr);
    }
    return menu;
}

}  // namespace

// The window table from start-up to "Beenden", through every branch of the menu.
TEST(EndToEnd, StartPlayPauseResumeRestartAbandonQuit)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    OptionsMenuWindow* menu = t.program->optionsMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(hasLabel(menu, QStringLiteral("Spielstart")));

    press(button(menu, QStringLiteral("Spiel starten")));
    EXPECT_EQ(t.program->optionsMenu(), nullptr);
    NewGameWindow* newGame = t.program->newGameWindow();
    ASSERT_NE(newGame, nullptr);
    EXPECT_EQ(newGame->sideText(), QStringLiteral("Südafrika"));
    const int side = t.world->side[0];

    press(button(newGame, QStringLiteral("Starten")));
    EXPECT_EQ(t.program->newGameWindow(), nullptr);
    MainWindow* main = t.program->mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_TRUE(main->clockTimer()->isActive());
    EXPECT_EQ(t.world->monthName, "Januar");
    EXPECT_EQ(t.world->year, 2000);
    EXPECT_EQ(t.world->countryOwner[side], side);
    EXPECT_EQ(t.world->countryKind[side], KindPlayer);

    // Pause, look at the settings and the credits, resume.
    menu = pauseFromMainWindow(t, main);
    ASSERT_NE(menu, nullptr);
    const int period = main->clockTimer()->interval();
    press(button(menu, QStringLiteral("Optionen")));
    SettingsWindow* settings = t.program->settingsWindow();
    ASSERT_NE(settings, nullptr);
    settings->yearSlider()->setValue(0);
    settings->opponentSlider()->setValue(3);
    press(button(settings, QStringLiteral("OK")));
    EXPECT_EQ(t.world->monthInterval, 416);
    EXPECT_EQ(t.world->aiDivisor, 4);
    ASSERT_EQ(t.program->optionsMenu(), menu);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(hasLabel(menu, QStringLiteral("Spielpause")));
    press(button(menu, QStringLiteral("Credits")));
    ASSERT_NE(t.program->creditsWindow(), nullptr);
    clickAt(t.program->creditsWindow(), {10, 10});
    settle();
    EXPECT_EQ(t.program->creditsWindow(), nullptr);
    EXPECT_FALSE(main->clockTimer()->isActive());

    press(button(menu, QStringLiteral("Zurück zum Spiel")));
    EXPECT_EQ(t.program->optionsMenu(), nullptr);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_TRUE(main->clockTimer()->isActive());
    EXPECT_EQ(main->clockTimer()->interval(), period);  // the old speed until a new game

    // Pause again and restart the mission: a fresh game at the new speed.
    main->runClockTick();
    main->runClockTick();
    menu = pauseFromMainWindow(t, main);
    ASSERT_NE(menu, nullptr);
    t.dialogs.answers = {true};
    press(button(menu, QStringLiteral("Spiel abbrechen")));
    EXPECT_EQ(t.dialogs.shown.back().kind, "question");
    EXPECT_EQ(t.program->optionsMenu(), nullptr);
    ASSERT_EQ(t.program->mainWindow(), main);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_TRUE(main->clockTimer()->isActive());
    EXPECT_EQ(main->clockTimer()->interval(), 416 / 4);
    EXPECT_TRUE(t.program->playing());
    EXPECT_EQ(t.world->side[0], side);
    EXPECT_EQ(t.world->monthName, "Januar");
    EXPECT_EQ(t.world->year, 2000);
    for (int i = 1; i <= t.world->countryCount; ++i)
        EXPECT_EQ(t.world->countryOwner[i], i) << i;

    // Pause once more and give the game up.
    menu = pauseFromMainWindow(t, main);
    ASSERT_NE(menu, nullptr);
    t.dialogs.answers = {false};
    press(button(menu, QStringLiteral("Spiel abbrechen")));
    EXPECT_EQ(t.program->mainWindow(), nullptr);
    EXPECT_FALSE(t.program->playing());
    ASSERT_EQ(t.program->optionsMenu(), menu);
    EXPECT_TRUE(hasLabel(menu, QStringLiteral("Spielstart")));
    EXPECT_NE(button(menu, QStringLiteral("Spiel starten")), nullptr);
    EXPECT_FALSE(button(menu, QStringLiteral("Spiel abbrechen"))->isEnabled());

    press(button(menu, QStringLiteral("Beenden")));
    EXPECT_TRUE(t.program->quitRequested());
    EXPECT_EQ(t.program->optionsMenu(), nullptr);
}

// A second game after an abandoned one starts as the first did.
TEST(EndToEnd, ANewGameAfterGivingUpStartsFresh)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        press(button(t.program->optionsMenu(), QStringLiteral("Spiel starten")));
        ASSERT_NE(t.program->newGameWindow(), nullptr);
        press(button(t.program->newGameWindow(), QStringLiteral("Starten")));
        MainWindow* main = t.program->mainWindow();
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(t.world->year, 2000);
        EXPECT_TRUE(main->clockTimer()->isActive());
        OptionsMenuWindow* menu = pauseFromMainWindow(t, main);
        ASSERT_NE(menu, nullptr);
        t.dialogs.answers = {false};
        press(button(menu, QStringLiteral("Spiel abbrechen")));
        EXPECT_EQ(t.program->mainWindow(), nullptr);
    }
}
