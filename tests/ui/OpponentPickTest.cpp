// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

#include "shell/OpponentPickWindow.h"

#include <QListWidget>

using namespace stratagon;
using namespace stratagon::test;

// "Ändern" beside "Aktive Gegner :" opens "Wie viele Gegner ?"; "Abbrechen"
// keeps the number, "OK" and a double click take the chosen one, for this
// game, the next one and the preferences. The map's name stands alone.
TEST(OpponentPick, ChoosesHowManyOpponentsPlay)
{
    TestProgram t;
    NewGameWindow* w = t.program->showNewGame();
    QAbstractButton* change = w->findChild<QAbstractButton*>("opponentChangeButton");
    ASSERT_TRUE(change && change->isEnabled());
    EXPECT_EQ(w->opponentCount(), 1);
    EXPECT_FALSE(hasLabel(w, ".mgi"));

    const struct {
        const char* how;
        int row, shown;
    } cases[] = {{"Abbrechen", 3, 1}, {"OK", 3, 4}, {"Doppelklick", 1, 2}, {"OK", 4, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        press(change);
        OpponentPickWindow* pick = pickWindow<OpponentPickWindow>(t);
        ASSERT_NE(pick, nullptr);
        EXPECT_TRUE(blocked(w));
        QListWidget* list = pick->countList();
        ASSERT_EQ(list->count(), 5);
        EXPECT_EQ(list->currentRow(), w->opponentCount() - 1);
        list->setCurrentRow(c.row);
        if (std::string(c.how) == "Doppelklick")
            emit list->itemActivated(list->currentItem());
        else
            press(pick, c.how);
        settle();
        EXPECT_TRUE(!blocked(w) && !pickWindow<OpponentPickWindow>(t));
        EXPECT_EQ(w->opponentCount(), c.shown);
    }
    EXPECT_EQ(t.program->preferences().opponentCount(), 5);
    press(w, "Abbrechen");
    settle();
    w = t.program->showNewGame();
    EXPECT_EQ(w->opponentCount(), 5);

    press(w, "Starten");
    ASSERT_NE(t.program->mainWindow(), nullptr);
    EXPECT_EQ(t.world->sideMax, 5);
    for (int s = 1; s <= 5; ++s)
        EXPECT_EQ(t.world->countryKind[t.world->side[s]], KindOpponent) << s;
}
