// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

#include <tuple>

using namespace stratagon;
using namespace stratagon::test;

// Indices 0..99 are scanned without stopping, the last match wins; without a
// match side and label stay; an empty code names no country. With no countries
// at all "Starten" refuses, since the first tick would call the game won.
TEST(NewGame, PreselectionAndAMapWithoutCountries)
{
    const std::tuple<std::string, const char*, int, const char*> cases[] = {
        {"ZYZ", "Z", 3, "Land 3"}, {"ZYZ", "Q", 2, "Südafrika"}, {"ZYZ", "", 2, "Südafrika"},
        {"", "Z", 2, "Südafrika"}};
    for (const auto& [codes, code, side, label] : cases) {  // codes of the countries, the default side's code
        SCOPED_TRACE(codes + "/" + code);
        TestProgram t;
        handMadeMap(t, codes);
        t.world->countryCode[100] = "Q";  // beyond the scan
        t.world->side[0] = 2;
        t.world->defaultSideCode = code;
        NewGameWindow* w = t.program->showNewGame();
        EXPECT_EQ(t.dialogs.shown.size(), 1u);  // the loader's failure
        EXPECT_EQ(t.world->side[0], side);
        EXPECT_EQ(w->sideText(), label);
        if (!codes.empty())
            continue;
        press(w, "Starten");
        EXPECT_TRUE(t.dialogs.shown.size() == 2 && !t.program->mainWindow());
        EXPECT_TRUE(t.program->newGameWindow() == w && button(w, "Starten")->isEnabled());
        press(w, "Abbrechen");
        EXPECT_NE(t.program->optionsMenu(), nullptr);
    }
}
