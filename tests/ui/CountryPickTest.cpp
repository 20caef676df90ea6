// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

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
        CountryPickWindow* pick = t.program->countryPickWindow();
        ASSERT_TRUE(pick && pick->currentText() == "Land 4" && !newGame->isEnabled());
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
        EXPECT_EQ(t.program->countryPickWindow(), nullptr);
        EXPECT_EQ(t.world->side[0], side);
        EXPECT_TRUE(way == "new game closed" ? !t.program->newGameWindow()
                                             : newGame->isEnabled() && newGame->sideText() == QString("Land %1").arg(side));
    }
}
