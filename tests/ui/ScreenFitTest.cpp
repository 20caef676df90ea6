// The main window on screens of every common size: the design where it
// fits, else a smaller map with every control on the screen; clicks through
// the display scale on the country drawn there.

#include "TestSupport.h"
#include "mapview/MainLayout.h"
#include "mapview/MainWindow.h"
#include "mapview/MapView.h"
#include "world/MapLoader.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace stratagon::test {
namespace {

const QSize ShippedMap(867, 790);
const QMargins Frame(4, 30, 4, 4);

std::vector<QRect> boxesOf(const MainBoxes& b)
{
    std::vector<QRect> all = {b.map,        b.optionsButton, b.sideMenuButton, b.generalsButton, b.modeButton,
                              b.pauseButton, b.infoPanel,    b.generalScroll,  b.battlePanel,    b.battleScroll};
    if (!b.extraPanels.isEmpty())
        all.push_back(b.extraPanels);
    return all;
}

TEST(ScreenFit, TheDesignWhereItFitsElseTheLargestMapWithEverythingOnTheScreen)
{
    // Available areas: the screen less a 40-pixel panel.
    struct Case { QSize screen; bool extra; double atLeast; bool design; };
    const Case cases[] = {
        {{1920, 1040}, false, 1.0, true},  {{1920, 1040}, true, 1.0, true},
        {{1366, 728}, false, 0.75, false}, {{1366, 728}, true, 0.75, false},
        {{1280, 760}, false, 0.75, false}, {{1280, 680}, false, 0.70, false},
        {{1280, 680}, true, 0.70, false},  {{1536, 824}, false, 0.75, false},  // 1920 × 1080 at 125 %
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screen.width() << "x" << c.screen.height() << " " << c.extra);
        const MainLayoutMetrics m{ShippedMap, 15.0, c.extra, 0};
        const MainFit fit = fitMainWindow(m, c.screen, Frame, 1.0);
        EXPECT_GE(fit.scale, c.atLeast);
        EXPECT_EQ(fit == (MainFit{1.0, Arrangement::Below}), c.design);
        const QSize content = mainContentSize(m, fit.scale, fit.arrangement);
        EXPECT_TRUE(QRect(QPoint(), c.screen).contains(QRect(QPoint(Frame.left(), Frame.top()), content)));
        // Every box inside the window and none over another.
        const std::vector<QRect> boxes = boxesOf(mainBoxes(m, fit.scale, fit.arrangement));
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_TRUE(QRect(QPoint(), content).contains(boxes[i])) << i;
            for (std::size_t k = i + 1; k < boxes.size(); ++k)
                EXPECT_FALSE(boxes[i].intersects(boxes[k])) << i << " " << k;
        }
    }
    // The design's size: map plus 3200 twips high.
    EXPECT_EQ(mainContentSize({ShippedMap, 15.0, false, 0}, 1.0, Arrangement::Below).height(), 790 + 213);
}

}  // namespace
}  // namespace stratagon::test
