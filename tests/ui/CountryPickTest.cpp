// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

#include "shell/MapPickWindow.h"
#include "shell/OpponentPickWindow.h"

#include <QListWidget>

using namespace stratagon;
using namespace stratagon::test;

// "OK" on a chosen country makes it the side and the new-game window's label;
// every other way out changes nothing. The new-game window is usable again,
// or, when it was closed itself, takes the choice with it.
TEST(CountryPick, OkOnACountrySetsTheSideAndEveryOtherWayOutChangesNothing)
{
    for (const QString way : {"OK", "Abbrechen", "frame", "OK without a selection", "new game closed"}) {
        SCOPED_TRACE(way.toStdString());
        TestProgram t;
        handMadeMap(t, "abcdefghijkl");
        t.world->defaultSideCode = "d";
        NewGameWindow* newGame = t.program->showNewGame();
        press(sideChange(newGame));
        CountryPickWindow* pick = pickWindow<CountryPickWindow>(t);
        ASSERT_TRUE(pick && pick->currentText() == "Land 4" && blocked(newGame));
        QListWidget* list = pick->countryList();
        ASSERT_EQ(list->count(), 12);
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(list->item(i)->text(), QString("Land %1").arg(i + 1));
        list->setCurrentRow(6);
        if (way == "frame" || way == "new game closed")
            closeByFrame(way == "frame" ? static_cast<QWidget*>(pick) : newGame);
        else if (way == "OK without a selection")
            list->clearSelection();
        if (way.startsWith("OK") || way == "Abbrechen")
            press(pick, way.left(way == "Abbrechen" ? 9 : 2));
        const int side = way == "OK" ? 7 : 4;
        EXPECT_EQ(pickWindow<CountryPickWindow>(t), nullptr);
        EXPECT_EQ(t.world->side[0], side);
        EXPECT_TRUE(way == "new game closed" ? !t.program->newGameWindow()
                                             : !blocked(newGame) && newGame->sideText() == QString("Land %1").arg(side));
    }
}

// The choice windows only report, one chosen(value) before closed(), and
// leave the world and the preferences to the new-game window. Closed with
// a choice open, the new-game window takes it along.
TEST(PickWindows, ReportTheChoiceAndLeaveTheModelToTheCaller)
{
    TestProgram t;
    t.world->countryCount = 3;
    for (int i = 1; i <= 3; ++i)
        t.world->countryName[i] = "Land " + std::to_string(i);
    t.world->side[0] = 2;
    QStringList heard;
    const auto hear = [&heard](PickWindow* pick, QListWidget* list, int row) {
        QObject::connect(pick, &PickWindow::closed, [&heard] { heard << "closed"; });
        list->setCurrentRow(row);
        press(pick, "OK");
    };
    auto* country = new CountryPickWindow(*t.world, "Land 2", nullptr);
    QObject::connect(country, &CountryPickWindow::chosen, [&heard](int c) { heard << QString::number(c); });
    hear(country, country->countryList(), 2);
    auto* opponents = new OpponentPickWindow(3, nullptr);
    QObject::connect(opponents, &OpponentPickWindow::chosen, [&heard](int n) { heard << QString::number(n); });
    hear(opponents, opponents->countList(), 4);
    auto* map = new MapPickWindow(t.program->paths(), "Afrika", nullptr);
    QObject::connect(map, &MapPickWindow::chosen, [&heard](const QString& name) { heard << name; });
    hear(map, map->mapList(), 3);
    EXPECT_EQ(heard.join(' '), "3 closed 5 closed Europa closed");
    EXPECT_EQ(t.world->side[0], 2);
    EXPECT_EQ(t.program->preferences().opponentCount(), 1);
    EXPECT_EQ(t.program->preferences().mapName(), "");

    for (const char* change : {"mapChangeButton", "opponentChangeButton", "side"}) {
        SCOPED_TRACE(change);
        NewGameWindow* newGame = t.program->showNewGame();
        press(change == std::string("side") ? sideChange(newGame) : newGame->findChild<QAbstractButton*>(change));
        const QPointer<QWidget> pick = newGame->pickWindow();
        ASSERT_FALSE(pick.isNull());
        closeByFrame(newGame);
        EXPECT_TRUE(pick.isNull() && t.program->optionsMenu());
    }
}
