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
        EXPECT_FALSE(newGame->isEnabled());
        CountryPickWindow* pick = t.program->countryPickWindow();
        ASSERT_NE(pick, nullptr);
        EXPECT_EQ(pick->currentText(), "Land 4");
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
        ASSERT_EQ(t.program->newGameWindow() == nullptr, way == "new game closed");
        if (way == "new game closed")
            continue;
        EXPECT_TRUE(newGame->isEnabled());
        EXPECT_EQ(newGame->sideText(), QString("Land %1").arg(side));
    }
}
