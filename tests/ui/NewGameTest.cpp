#include "ShellTestSupport.h"

using namespace stratagon;
using namespace stratagon::test;

// Indices 0..99 are scanned without stopping, the last match wins; without a
// match side and label stay; an empty code names no country.
TEST(NewGame, PreselectionTakesTheLastMatchAndKeepsTheSideWithoutOne)
{
    const struct {
        const char* code;
        int side;
        const char* label;
    } cases[] = {{"Z", 3, "Land 3"}, {"Q", 2, "Südafrika"}, {"", 2, "Südafrika"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        TestProgram t;
        handMadeMap(t, "ZYZ");
        t.world->countryCode[100] = "Q";  // beyond the scan
        t.world->side[0] = 2;
        t.world->defaultSideCode = c.code;
        NewGameWindow* w = t.program->showNewGame();
        EXPECT_EQ(t.dialogs.shown.size(), 1u);  // the loader's failure
        EXPECT_EQ(t.world->side[0], c.side);
        EXPECT_EQ(w->sideText(), c.label);
    }
}

// With no countries the first tick would call the game won.
TEST(NewGame, StartenRefusesAMapWithoutCountries)
{
    TestProgram t;
    handMadeMap(t, "");
    NewGameWindow* w = t.program->showNewGame();
    press(w, "Starten");
    EXPECT_EQ(t.dialogs.shown.size(), 2u);
    ASSERT_EQ(t.program->newGameWindow(), w);
    EXPECT_TRUE(button(w, "Starten")->isEnabled());
    EXPECT_EQ(t.program->mainWindow(), nullptr);
    press(w, "Abbrechen");
    EXPECT_NE(t.program->optionsMenu(), nullptr);
}
