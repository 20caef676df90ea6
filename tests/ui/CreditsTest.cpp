// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

#include "shell/ImageStore.h"

#include <QMouseEvent>

using namespace stratagon;
using namespace stratagon::test;

// Scroll from the bottom driven by the timer, restart below -1000, a click closes it.
TEST(Credits, ScrollsThreePixelsATickFromTheBottomAndRestartsBelowMinus1000)
{
    TestProgram t;
    CreditsWindow* w = t.program->showCredits();
    EXPECT_TRUE(w->scrollY() == 395.0f && w->tickTimer()->interval() == 20);
    waitFor(200);  // the timer drives it
    EXPECT_TRUE(w->scrollY() < 395.0f && static_cast<int>(395.0f - w->scrollY()) % 3 == 0) << w->scrollY();
    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(400, 300), QPointF(400, 300), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &click);
    settle();
    EXPECT_EQ(t.program->creditsWindow(), nullptr);

    // Opened again: from the bottom, on the same image slot.
    w = t.program->showCredits();
    w->tickTimer()->stop();
    for (int n = 0; n < 465; ++n)
        w->tick();
    EXPECT_EQ(t.program->imageStore().imageSlotCount(), 1);
    EXPECT_FLOAT_EQ(w->scrollY(), -1000.0f);  // not yet below
    w->tick();
    EXPECT_FLOAT_EQ(w->scrollY(), 395.0f);
    w->tick();
    EXPECT_FLOAT_EQ(w->scrollY(), 392.0f);
    // The size left by the last line stays in force for the head of the next tick.
    EXPECT_DOUBLE_EQ(w->fontSize(), 14.0);
}

// The credits close from the keyboard too: Escape, Return or Space.
TEST(Credits, CloseWithEscapeReturnOrSpace)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    for (const int k : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space}) {
        CreditsWindow* w = t.program->showCredits();
        ASSERT_TRUE(w);
        key(w, k);
        EXPECT_EQ(t.program->creditsWindow(), nullptr) << k;
        EXPECT_TRUE(t.program->optionsMenu() && t.program->optionsMenu()->isVisible());
    }
}
