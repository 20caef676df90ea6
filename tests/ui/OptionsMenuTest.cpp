// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

using namespace stratagon;
using namespace stratagon::test;

// A window closed and shown again before its deferred delete must come back
// as a new, visible window, not as the one about to be deleted.
TEST(Program, ShowingAWindowRightAfterClosingItOpensAFreshOne)
{
    TestProgram t;
    OptionsMenuWindow* first = t.program->showOptionsMenu();
    first->close();
    EXPECT_EQ(t.program->optionsMenu(), nullptr);
    OptionsMenuWindow* second = t.program->showOptionsMenu();
    EXPECT_NE(second, first);
    settle();
    EXPECT_TRUE(t.program->optionsMenu() == second && second->isVisible());
}
