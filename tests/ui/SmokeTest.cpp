#include "ShellTestSupport.h"
#include "TestSupport.h"

#include "generals/DeployWindow.h"
#include "generals/GeneralListWindow.h"
#include "generals/RanksWindow.h"
#include "generals/TaskWindow.h"
#include "mapview/MainWindow.h"
#include "shell/CountryPickWindow.h"
#include "shell/CreditsWindow.h"
#include "shell/NewGameWindow.h"
#include "shell/OptionsMenuWindow.h"
#include "shell/SettingsWindow.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// The close box of the frame: the close request reaches the window the way
// the window system delivers it.
void closeByFrame(QWidget* window)
{
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    ASSERT_NE(window->windowHandle(), nullptr);
    QCloseEvent close;
    QApplication::sendEvent(window->windowHandle(), &close);
    settle();
}

// Top-level windows on screen that take input.
QList<QWidget*> usableWindows()
{
    settle();
    QList<QWidget*> usable;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowType() == Qt::Window && w->isVisible() && w->isEnabled())
            usable.push_back(w);
    return usable;
}

QString names(const QList<QWidget*>& windows)
{
    QStringList list;
    for (QWidget* w : windows)
        list << QString::fromUtf8(w->metaObject()->className());
    return list.join(QStringLiteral(", "));
}

// After a close exactly the expected window is left to work with.
void expectOnlyUsable(QWidget* expected)
{
    const QList<QWidget*> usable = usableWindows();
    EXPECT_EQ(usable.size(), 1) << names(usable).toStdString();
    if (usable.size() == 1) {
        EXPECT_EQ(usable.front(), expected) << names(usable).toStdString();
    }
}

MainWindow* startGame(TestProgram& t)
{
    press(button(t.program->optionsMenu(), QStringLiteral("Spiel starten")));
    press(button(t.program->newGameWindow(), QStringLiteral("Starten")));
    return t.program->mainWindow();
}

QPushButton* mainButton(MainWindow* main, const char* name)
{
    return main->findChild<QPushButton*>(QString::fromLatin1(name));
}

}  // namespace

TEST(Smoke, EveryWindowBeforeAGameClosesByItsFrame)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    OptionsMenuWindow* menu = t.program->optionsMenu();
    expectOnlyUsable(menu);

    press(button(menu, QStringLiteral("Optionen")));
    expectOnlyUsable(t.program->settingsWindow());
    closeByFrame(t.program->settingsWindow());
    expectOnlyUsable(menu);

    press(button(menu, QStringLiteral("Credits")));
    closeByFrame(t.program->creditsWindow());
    expectOnlyUsable(menu);

    press(button(menu, QStringLiteral("Spiel starten")));
    NewGameWindow* newGame = t.program->newGameWindow();
    expectOnlyUsable(newGame);
    press(sideChangeButton(newGame));
    expectOnlyUsable(t.program->countryPickWindow());
    closeByFrame(t.program->countryPickWindow());
    expectOnlyUsable(newGame);
    closeByFrame(newGame);
    menu = t.program->optionsMenu();
    ASSERT_NE(menu, nullptr);
    expectOnlyUsable(menu);

    closeByFrame(menu);
    EXPECT_TRUE(t.program->quitRequested());
    EXPECT_TRUE(usableWindows().isEmpty());
}

TEST(Smoke, EveryWindowDuringAGameClosesByItsFrame)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    MainWindow* main = startGame(t);
    ASSERT_NE(main, nullptr);
    expectOnlyUsable(main);

    // The roster and the windows it opens; the clock runs again afterwards.
    press(mainButton(main, "generalsButton"));
    GeneralListWindow* roster = t.program->generalListWindow();
    ASSERT_NE(roster, nullptr);
    EXPECT_FALSE(main->clockTimer()->isActive());
    press(button(roster, QStringLiteral("Dienstgrade")));
    closeByFrame(t.program->ranksWindow());
    EXPECT_EQ(t.program->ranksWindow(), nullptr);
    auto* list = roster->findChild<QTreeWidget*>();
    ASSERT_NE(list, nullptr);
    ASSERT_GT(list->topLevelItemCount(), 0);
    list->topLevelItem(0)->setSelected(true);
    press(button(roster, QStringLiteral("Aufgabe")));
    closeByFrame(t.program->taskWindow());
    EXPECT_EQ(t.program->taskWindow(), nullptr);
    closeByFrame(roster);
    expectOnlyUsable(main);
    EXPECT_TRUE(main->clockTimer()->isActive());

    // The deployment window, opened as the map click opens it.
    main->clockTimer()->stop();
    main->setEnabled(false);
    t.program->showDeploy();
    expectOnlyUsable(t.program->deployWindow());
    closeByFrame(t.program->deployWindow());
    expectOnlyUsable(main);
    EXPECT_TRUE(main->clockTimer()->isActive());

    // The menu of the paused game and what it opens.
    press(mainButton(main, "optionsMenuButton"));
    OptionsMenuWindow* menu = t.program->optionsMenu();
    expectOnlyUsable(menu);
    press(button(menu, QStringLiteral("Optionen")));
    closeByFrame(t.program->settingsWindow());
    expectOnlyUsable(menu);
    press(button(menu, QStringLiteral("Credits")));
    closeByFrame(t.program->creditsWindow());
    expectOnlyUsable(menu);
    closeByFrame(menu);
    expectOnlyUsable(main);
    EXPECT_TRUE(main->clockTimer()->isActive());
    EXPECT_TRUE(t.program->playing());

    // The main window itself: the game ends and the menu comes back.
    closeByFrame(main);
    EXPECT_EQ(t.program->mainWindow(), nullptr);
    EXPECT_FALSE(t.program->playing());
    menu = t.program->optionsMenu();
    ASSERT_NE(menu, nullptr);
    expectOnlyUsable(menu);
    EXPECT_TRUE(hasLabel(menu, QStringLiteral("Spielstart")));
    EXPECT_FALSE(t.program->quitRequested());
}

TEST(Smoke, TheMainWindowClosedByItsFrameDuringThePause)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    MainWindow* main = startGame(t);
    ASSERT_NE(main, nullptr);
    press(mainButton(main, "optionsMenuButton"));
    OptionsMenuWindow* menu = t.program->optionsMenu();
    ASSERT_NE(menu, nullptr);
    closeByFrame(main);
    ASSERT_EQ(t.program->optionsMenu(), menu);
    expectOnlyUsable(menu);
    EXPECT_TRUE(hasLabel(menu, QStringLiteral("Spielstart")));
    EXPECT_FALSE(button(menu, QStringLiteral("Spiel abbrechen"))->isEnabled());
}
