#include "ShellTestSupport.h"
#include "TestSupport.h"

#include "shell/CreditsWindow.h"
#include "shell/ImageStore.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTimer>

using namespace stratagon;
using namespace stratagon::test;

namespace {

const QColor logoColour(200, 30, 40);

// A plain logo of a known size and colour in place of the shipped one.
void useTestLogo(TestProgram& t, int width, int height)
{
    QImage logo(width, height, QImage::Format_RGB32);
    logo.fill(logoColour);
    ASSERT_TRUE(logo.save(t.path(QStringLiteral("data/ZORLogo.bmp")), "BMP"));
}

bool rowHasColour(const QImage& image, int y, const QColor& colour)
{
    for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == colour)
            return true;
    return false;
}

}  // namespace

TEST(Credits, OpensBelowTheBottomEdgeWithItsTimerRunning)
{
    TestProgram t;
    CreditsWindow* w = t.program->showCredits();
    EXPECT_EQ(w->windowTitle(), QString(52, QLatin1Char(' ')) + QStringLiteral("Credits"));
    EXPECT_EQ(w->windowTitle().size(), 59);
    EXPECT_EQ(w->size(), QSize(524, 395));
    EXPECT_FLOAT_EQ(w->scrollY(), 395.0f);
    EXPECT_TRUE(w->tickTimer()->isActive());
    EXPECT_EQ(w->tickTimer()->interval(), 20);
    EXPECT_DOUBLE_EQ(w->fontSize(), 14.25);
}

TEST(Credits, ScrollsThreePixelsATickAndRestartsBelowMinus1000)
{
    TestProgram t;
    CreditsWindow* w = t.program->showCredits();
    w->tickTimer()->stop();
    for (int n = 1; n <= 465; ++n)
        w->tick();
    EXPECT_FLOAT_EQ(w->scrollY(), -1000.0f);  // not yet below
    w->tick();
    EXPECT_FLOAT_EQ(w->scrollY(), 395.0f);
    w->tick();
    EXPECT_FLOAT_EQ(w->scrollY(), 392.0f);
    // The size left by the last line stays in force for the head of the next tick.
    EXPECT_DOUBLE_EQ(w->fontSize(), 14.0);
}

TEST(Credits, TheTimerDrivesTheScroll)
{
    TestProgram t;
    CreditsWindow* w = t.program->showCredits();
    waitFor(200);
    EXPECT_LT(w->scrollY(), 395.0f);
    EXPECT_EQ(static_cast<int>(395.0f - w->scrollY()) % 3, 0);
}

TEST(Credits, LogoIsCentredAtScrollYWithTheTextBelowIt)
{
    TestProgram t;
    useTestLogo(t, 100, 50);
    CreditsWindow* w = t.program->showCredits();
    w->tickTimer()->stop();
    for (int n = 0; n < 40; ++n)
        w->tick();
    const int top = static_cast<int>(w->scrollY());
    ASSERT_EQ(top, 395 - 120);
    const QImage& frame = w->frame();
    EXPECT_EQ(frame.pixelColor(212, top), logoColour);
    EXPECT_EQ(frame.pixelColor(311, top + 49), logoColour);
    EXPECT_EQ(frame.pixelColor(211, top), QColor(Qt::black));
    EXPECT_EQ(frame.pixelColor(312, top), QColor(Qt::black));
    EXPECT_EQ(frame.pixelColor(212, top - 1), QColor(Qt::black));
    EXPECT_EQ(frame.pixelColor(0, 0), QColor(Qt::black));

    // Dark green text somewhere below the logo, none above it.
    bool textBelow = false;
    for (int y = top + 50; y < frame.height() && !textBelow; ++y)
        textBelow = rowHasColour(frame, y, QColor(0, 128, 0));
    EXPECT_TRUE(textBelow);
    for (int y = 0; y < top; ++y)
        ASSERT_FALSE(rowHasColour(frame, y, QColor(0, 128, 0))) << y;
}

TEST(Credits, TheLogoSlotIsMadeOnceAndAMissingLogoLeavesTheTextAlone)
{
    TestProgram t;
    useTestLogo(t, 40, 40);
    t.program->showCredits();
    EXPECT_EQ(t.program->imageStore().imageSlotCount(), 1);
    EXPECT_EQ(t.program->imageStore().imageSlotDC(1).size(), QSize(40, 40));
    t.program->creditsWindow()->close();
    settle();

    // Second opening: same slot, new scroll from the bottom.
    CreditsWindow* again = t.program->showCredits();
    EXPECT_EQ(t.program->imageStore().imageSlotCount(), 1);
    EXPECT_FLOAT_EQ(again->scrollY(), 395.0f);
    again->close();
    settle();

    TestProgram u;
    QFile::remove(u.path(QStringLiteral("data/ZORLogo.bmp")));
    CreditsWindow* w = u.program->showCredits();
    w->tickTimer()->stop();
    for (int n = 0; n < 40; ++n)
        w->tick();
    EXPECT_TRUE(u.program->imageStore().imageSlotDC(1).isNull());
    // "präsentiert" follows one blank line below scrollY.
    const int top = static_cast<int>(w->scrollY());
    bool text = false;
    for (int y = top; y < top + 60 && !text; ++y)
        text = rowHasColour(w->frame(), y, QColor(0, 128, 0));
    EXPECT_TRUE(text);
    for (int y = 0; y < top; ++y)
        ASSERT_FALSE(rowHasColour(w->frame(), y, QColor(0, 128, 0))) << y;
}

TEST(Credits, AClickAnywhereClosesIt)
{
    TestProgram t;
    CreditsWindow* w = t.program->showCredits();
    for (int n = 0; n < 10; ++n)
        w->tick();
    clickAt(w, QPoint(400, 300));
    settle();
    EXPECT_EQ(t.program->creditsWindow(), nullptr);
}
