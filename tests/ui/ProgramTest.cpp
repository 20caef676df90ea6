#include "TestSupport.h"

#include "shell/OptionsMenuWindow.h"

#include <gtest/gtest.h>

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
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(t.program->optionsMenu(), second);
    EXPECT_TRUE(second->isVisible());
}
