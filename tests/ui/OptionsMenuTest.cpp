#include "ShellTestSupport.h"
#include "TestSupport.h"

#include "mapview/MainWindow.h"
#include "shell/CreditsWindow.h"
#include "shell/NewGameWindow.h"
#include "shell/OptionsMenuWindow.h"
#include "shell/SettingsWindow.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// Start-up, a new game on the preselected side, then the pause through the
// menu as the main window's options button does it.
MainWindow* startAndPause(TestProgram& t)
{
    EXPECT_TRUE(t.program->start());
    press(button(t.program->optionsMenu(), QStringLiteral("Spiel starten")));
    NewGameWindow* newGame = t.program->newGameWindow();
    EXPECT_NE(newGame, nullptr);
    if (!newGame)
        return nullptr;
    press(button(newGame, QStringLiteral("Starten")));
    MainWindow* main = t.program->mainWindow();
    EXPECT_NE(main, nullptr);
    if (!main)
        return nullptr;
    EXPECT_TRUE(t.program->playing());
    t.program->stopClock();
    main->setEnabled(false);
    t.program->showOptionsMenu();
    settle();
    return main;
}

void expectBeforeGameForm(const OptionsMenuWindow* menu)
{
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(hasLabel(menu, QStringLiteral("Stratagon Optionsmenü")));
    EXPECT_TRUE(hasLabel(menu, QStringLiteral("Spielstart")));
    ASSERT_NE(button(menu, QStringLiteral("Spiel starten")), nullptr);
    ASSERT_NE(button(menu, QStringLiteral("Spiel abbrechen")), nullptr);
    EXPECT_FALSE(button(menu, QStringLiteral("Spiel abbrechen"))->isEnabled());
    EXPECT_EQ(button(menu, QStringLiteral("Zurück zum Spiel")), nullptr);
}

}  // namespace

TEST(OptionsMenu, OpensBeforeAGameWithItsControlsInPlace)
{
    TestProgram t;
    OptionsMenuWindow* menu = t.program->showOptionsMenu();
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("Optionsmenü "));
    EXPECT_EQ(menu->size(), QSize(312, 217));
    EXPECT_EQ(menu->palette().color(QPalette::Window), QColor(0, 128, 0));
    expectBeforeGameForm(menu);

    EXPECT_EQ(button(menu, QStringLiteral("Spiel starten"))->geometry(), QRect(88, 56, 129, 17));
    ASSERT_NE(labelAt(menu, {248, 8}), nullptr);
    EXPECT_EQ(labelAt(menu, {248, 8})->text(), QStringLiteral("Spielstart"));
}

TEST(OptionsMenu, FocusTimerGivesEnterToTheStartButtonOnce)
{
    TestProgram t;
    OptionsMenuWindow* menu = t.program->showOptionsMenu();
    QAbstractButton* start = button(menu, QStringLiteral("Spiel starten"));
    auto* timer = menu->findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_TRUE(timer->isActive());
    waitFor(150);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(menu->focusWidget(), start);

    // Running the opening again does not start the timer again.
    menu->reload();
    EXPECT_FALSE(timer->isActive());

    pressKey(start, Qt::Key_Return);
    settle();
    EXPECT_EQ(t.program->optionsMenu(), nullptr);
    ASSERT_NE(t.program->newGameWindow(), nullptr);
    EXPECT_TRUE(t.program->newGameWindow()->isVisible());
}

TEST(OptionsMenu, SettingsHideTheMenuAndCreditsOpenOnTopOfIt)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    OptionsMenuWindow* menu = t.program->optionsMenu();
    press(button(menu, QStringLiteral("Credits")));
    ASSERT_NE(t.program->creditsWindow(), nullptr);
    EXPECT_TRUE(menu->isVisible());
    expectBeforeGameForm(menu);

    press(button(menu, QStringLiteral("Optionen")));
    ASSERT_NE(t.program->settingsWindow(), nullptr);
    EXPECT_EQ(t.program->optionsMenu(), menu);
    EXPECT_FALSE(menu->isVisible());
}

TEST(OptionsMenu, BeendenAndTheFrameBeforeAGameEndTheProgram)
{
    {
        TestProgram t;
        ASSERT_TRUE(t.program->start());
        press(button(t.program->optionsMenu(), QStringLiteral("Beenden")));
        EXPECT_TRUE(t.program->quitRequested());
        EXPECT_EQ(t.program->optionsMenu(), nullptr);
        EXPECT_TRUE(t.dialogs.shown.empty());
    }
    {
        TestProgram t;
        ASSERT_TRUE(t.program->start());
        t.program->optionsMenu()->close();
        settle();
        EXPECT_TRUE(t.program->quitRequested());
    }
}

TEST(OptionsMenu, PausedFormResumesByButtonAndByFrame)
{
    for (const bool byFrame : {false, true}) {
        SCOPED_TRACE(byFrame ? "frame" : "button");
        TestProgram t;
        MainWindow* main = startAndPause(t);
        ASSERT_NE(main, nullptr);
        OptionsMenuWindow* menu = t.program->optionsMenu();
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(hasLabel(menu, QStringLiteral("Spielpause")));
        ASSERT_NE(button(menu, QStringLiteral("Zurück zum Spiel")), nullptr);
        EXPECT_TRUE(button(menu, QStringLiteral("Spiel abbrechen"))->isEnabled());
        EXPECT_FALSE(main->clockTimer()->isActive());

        if (byFrame) {
            menu->close();
            settle();
        } else {
            press(button(menu, QStringLiteral("Zurück zum Spiel")));
        }
        EXPECT_EQ(t.program->optionsMenu(), nullptr);
        EXPECT_TRUE(main->isEnabled());
        EXPECT_TRUE(main->isVisible());
        EXPECT_TRUE(main->clockTimer()->isActive());
        EXPECT_TRUE(t.program->playing());
        EXPECT_FALSE(t.program->quitRequested());
    }
}

TEST(OptionsMenu, RestartYesGivesAFreshGameOnTheSameSide)
{
    TestProgram t;
    MainWindow* main = startAndPause(t);
    ASSERT_NE(main, nullptr);
    const int side = t.world->side[0];
    t.world->year = 2003;
    t.world->countryOwner[side == 1 ? 2 : 1] = side;

    t.dialogs.answers = {true};
    press(button(t.program->optionsMenu(), QStringLiteral("Spiel abbrechen")));
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].kind, "question");
    EXPECT_EQ(t.dialogs.shown[0].text, QStringLiteral("Wollen sie diese 'Mission' neu starten ?"));
    EXPECT_EQ(t.dialogs.shown[0].title, QStringLiteral("Stratagon !"));

    EXPECT_EQ(t.program->optionsMenu(), nullptr);
    ASSERT_EQ(t.program->mainWindow(), main);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(t.program->playing());
    EXPECT_TRUE(main->clockTimer()->isActive());
    EXPECT_EQ(t.world->side[0], side);
    EXPECT_EQ(t.world->year, 2000);
    EXPECT_EQ(t.world->countryOwner[side == 1 ? 2 : 1], side == 1 ? 2 : 1);
}

TEST(OptionsMenu, RestartNoEndsTheGameAndTheMenuStaysInItsFirstForm)
{
    TestProgram t;
    ASSERT_NE(startAndPause(t), nullptr);
    OptionsMenuWindow* menu = t.program->optionsMenu();
    t.dialogs.answers = {false};
    press(button(menu, QStringLiteral("Spiel abbrechen")));
    EXPECT_FALSE(menu->lastRestartAnswer());
    EXPECT_EQ(t.program->mainWindow(), nullptr);
    EXPECT_FALSE(t.program->playing());
    ASSERT_EQ(t.program->optionsMenu(), menu);
    EXPECT_TRUE(menu->isVisible());
    expectBeforeGameForm(menu);

    // The frame now ends the program, as before any game.
    menu->close();
    settle();
    EXPECT_TRUE(t.program->quitRequested());
}
