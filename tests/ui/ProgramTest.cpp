#include "ShellTestSupport.h"

using namespace stratagon;

// A window closed and shown again before its deferred delete must come back
// as a new, visible window, not as the one about to be deleted.
TEST(Program, ShowingAWindowRightAfterClosingItOpensAFreshOne)
{
    test::TestProgram t;
    OptionsMenuWindow* first = t.program->showOptionsMenu();
    first->close();
    EXPECT_EQ(t.program->optionsMenu(), nullptr);
    OptionsMenuWindow* second = t.program->showOptionsMenu();
    EXPECT_NE(second, first);
    test::settle();
    EXPECT_TRUE(t.program->optionsMenu() == second && second->isVisible());
}
