#include "ShellTestSupport.h"
#include "TestSupport.h"

#include "shell/CountryPickWindow.h"
#include "shell/NewGameWindow.h"

#include <gtest/gtest.h>

#include <QListWidget>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// A new-game window over a hand-made map of twelve countries (no map file,
// so the loader leaves these tables), player on the fourth, then "Ändern".
CountryPickWindow* openPick(TestProgram& t)
{
    QFile::remove(t.path(QStringLiteral("cards/Afrika.mgi")));
    WorldState& w = *t.world;
    w.countryCount = 12;
    for (int i = 1; i <= 12; ++i) {
        w.countryName[i] = "Land " + std::to_string(i);
        w.countryCode[i] = std::string(1, static_cast<char>('a' + i));
    }
    w.defaultSideCode = w.countryCode[4];
    NewGameWindow* newGame = t.program->showNewGame();
    EXPECT_EQ(newGame->sideText(), QStringLiteral("Land 4"));
    press(sideChangeButton(newGame));
    EXPECT_FALSE(newGame->isEnabled());
    return t.program->countryPickWindow();
}

}  // namespace

TEST(CountryPick, ListsTheMapsCountriesInFileOrderAndShowsTheCurrentSide)
{
    TestProgram t;
    CountryPickWindow* pick = openPick(t);
    ASSERT_NE(pick, nullptr);
    EXPECT_EQ(pick->windowTitle(), QStringLiteral("Welches Land ?"));
    EXPECT_EQ(pick->palette().color(QPalette::Window), QColor(0, 128, 0));
    EXPECT_TRUE(hasLabel(pick, QStringLiteral("Aktuell gewählt :")));
    EXPECT_EQ(pick->currentText(), QStringLiteral("Land 4"));
    QListWidget* list = pick->countryList();
    ASSERT_EQ(list->count(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(list->item(i)->text(), QStringLiteral("Land %1").arg(i + 1));
    EXPECT_NE(button(pick, QStringLiteral("OK")), nullptr);
    EXPECT_NE(button(pick, QStringLiteral("Abbrechen")), nullptr);
}

TEST(CountryPick, OkWithACountrySetsTheSideAndTheLabel)
{
    TestProgram t;
    CountryPickWindow* pick = openPick(t);
    ASSERT_NE(pick, nullptr);
    pick->countryList()->setCurrentRow(6);
    press(button(pick, QStringLiteral("OK")));
    EXPECT_EQ(t.program->countryPickWindow(), nullptr);
    NewGameWindow* newGame = t.program->newGameWindow();
    EXPECT_TRUE(newGame->isEnabled());
    EXPECT_EQ(t.world->side[0], 7);
    EXPECT_EQ(newGame->sideText(), QStringLiteral("Land 7"));

    // Opened again, it shows the new side.
    press(sideChangeButton(newGame));
    ASSERT_NE(t.program->countryPickWindow(), nullptr);
    EXPECT_EQ(t.program->countryPickWindow()->currentText(), QStringLiteral("Land 7"));
}

TEST(CountryPick, EveryOtherWayOutChangesNothingAndEnablesTheNewGameWindow)
{
    const char* ways[] = {"Abbrechen", "frame", "OK without a selection"};
    for (const char* way : ways) {
        SCOPED_TRACE(way);
        TestProgram t;
        CountryPickWindow* pick = openPick(t);
        ASSERT_NE(pick, nullptr);
        const QString how = QString::fromUtf8(way);
        if (how == QStringLiteral("Abbrechen")) {
            pick->countryList()->setCurrentRow(2);
            press(button(pick, QStringLiteral("Abbrechen")));
        } else if (how == QStringLiteral("frame")) {
            pick->countryList()->setCurrentRow(2);
            pick->close();
            settle();
        } else {
            pick->countryList()->clearSelection();
            press(button(pick, QStringLiteral("OK")));
        }
        EXPECT_EQ(t.program->countryPickWindow(), nullptr);
        NewGameWindow* newGame = t.program->newGameWindow();
        ASSERT_NE(newGame, nullptr);
        EXPECT_TRUE(newGame->isEnabled());
        EXPECT_EQ(t.world->side[0], 4);
        EXPECT_EQ(newGame->sideText(), QStringLiteral("Land 4"));
    }
}
