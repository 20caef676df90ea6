// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on screens of every common size: the design where it
// fits, else a smaller map with every control on the screen; clicks through
// the display scale on the country drawn there.

#include "ShellTestSupport.h"
#include "generals/DeployWindow.h"
#include "mapview/MainLayout.h"
#include "mapview/MainWindow.h"
#include "mapview/MapView.h"
#include "platform/WindowFit.h"
#include "shell/SettingsWindow.h"
#include "world/MapLoader.h"
#include "platform/KeyboardAccess.h"
#include "platform/Paths.h"
#include "simulation/PlayerActions.h"
#include "world/Settings.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace stratagon::test {
namespace {

const QSize ShippedMap(867, 790);
const QMargins Frame(4, 30, 4, 4);

std::vector<QRect> boxesOf(const MainBoxes& b)
{
    std::vector<QRect> all = {b.map,         b.optionsButton, b.sideMenuButton, b.generalsButton, b.modeButton,
                              b.pauseButton, b.infoPanel,     b.generalScroll,  b.battlePanel,    b.battleScroll};
    if (!b.extraPanels.isEmpty())
        all.push_back(b.extraPanels);
    return all;
}

TEST(ScreenFit, TheDesignWhereItFitsElseTheLargestMapWithEverythingOnTheScreen)
{
    // Available areas: the screen less a 40-pixel panel.
    struct Case {
        QSize screen;
        bool extra;
        double atLeast;
        bool design;
    };
    const Case cases[] = {
        {{1920, 1040}, false, 1.0, true}, {{1920, 1040}, true, 1.0, true},   {{1366, 728}, false, 0.75, false},
        {{1366, 728}, true, 0.75, false}, {{1280, 760}, false, 0.75, false}, {{1280, 680}, false, 0.70, false},
        {{1280, 680}, true, 0.70, false}, {{1536, 824}, false, 0.75, false},  // 1920 × 1080 at 125 %
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

// Placed with the window manager's frame: moved as little as needed so that
// the whole frame is on the screen, the title bar first where it cannot be.
TEST(ScreenFit, TheWholeFrameIsPlacedInsideTheFreeArea)
{
    const QRect free(0, 24, 1280, 696);  // 1280 × 720 under a 24-pixel panel
    const QMargins frame(1, 23, 1, 5);   // a title bar and border as a window manager draws them
    const QSize inner(900, 640);
    const auto outer = [&](QPoint at) { return QRect(at, inner.grownBy(frame)); };
    for (const QPoint wanted : {QPoint(-50, -50), QPoint(600, 300), QPoint(100, 100), QPoint(2000, 900)}) {
        const QPoint at = placedInside(free, inner, frame, wanted);
        EXPECT_TRUE(free.contains(outer(at))) << wanted.x() << "," << wanted.y();
        if (free.contains(outer(wanted))) {
            EXPECT_EQ(at, wanted);
        }
    }
    EXPECT_EQ(outer(centredIn(free, inner, frame)).center(), free.center());
    // Taller than the area: its top-left, the title bar, stays on the screen.
    EXPECT_EQ(placedInside(free, QSize(1400, 800), frame, {300, 300}), free.topLeft());
}

// A game on a shipped map, the player in the given country.
struct Game : ShippedGame {
    static int index(const QString& map, const char* country)
    {
        WorldState probe;
        EXPECT_TRUE(loadMap(probe, STRATAGON_ASSETS "/cards/" + map.toStdString() + ".mgi").ok);
        EXPECT_GT(countryIndexByName(probe, country), 0) << country;
        return countryIndexByName(probe, country);
    }
    explicit Game(const QString& map = "Afrika", const char* country = "Südafrika")
        : ShippedGame(index(map, country), map), window(main), home(t.world->side[0])
    {
    }
    // The middle of a country's area: the pixel of its area nearest to its centre of mass.
    QPointF middle(int country) const
    {
        const MapSurface& map = window->mapSurface();
        double sx = 0, sy = 0, n = 0;
        for (int y = 0; y < map.height(); ++y)
            for (int x = 0; x < map.width(); ++x)
                if (map.countryAt(x, y) == country)
                    sx += x, sy += y, ++n;
        QPointF best;
        double bestD = 1e18;
        for (int y = 0; y < map.height(); ++y)
            for (int x = 0; x < map.width(); ++x)
                if (map.countryAt(x, y) == country && std::hypot(x - sx / n, y - sy / n) < bestD)
                    bestD = std::hypot(x - sx / n, y - sy / n), best = QPointF(x + 0.5, y + 0.5);
        return best;
    }
    void release(QPointF picture)  // through the display scale
    {
        const QPointF at(picture.x() * window->mapView()->width() / window->mapSurface().width(),
                         picture.y() * window->mapView()->height() / window->mapSurface().height());
        QMouseEvent event(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window->mapView(), &event);
    }
    MainWindow*& window;
    const int home;
};

TEST(ScreenFit, ClicksThroughTheScaleHitTheCountryDrawnThereAndItIsTheOneAttacked)
{
    Game g;
    ASSERT_TRUE(g.window && g.window->mapSurface().hasAreas());
    WorldState& w = *g.t.world;
    const int eswatini = countryIndexByName(w, "Eswatini");
    std::vector<QPointF> middles(static_cast<std::size_t>(w.countryCount) + 1);
    for (int i = 1; i <= w.countryCount; ++i)
        middles[static_cast<std::size_t>(i)] = g.middle(i);
    const QPointF e = middles[static_cast<std::size_t>(eswatini)];
    g.window->findChild<QToolButton*>("modeButton")->click();  // information only
    for (const double scale : {0.7, 1.0, 1.5}) {
        g.window->zoomTo(scale);
        ASSERT_DOUBLE_EQ(g.window->mapScale(), scale);
        for (int i = 1; i <= w.countryCount; ++i) {
            g.release(middles[static_cast<std::size_t>(i)]);
            EXPECT_EQ(g.window->session().view().shownCountry, i) << w.countryName[i] << " at " << scale;
        }
    }
    // Every pixel of Eswatini, whichever country's grid cell it lies in.
    g.window->zoomTo(1.0);
    const MapSurface& map = g.window->mapSurface();
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
            if (map.countryAt(x, y) == eswatini) {
                g.window->session().view().shownCountry = 0;
                g.release(QPointF(x + 0.5, y + 0.5));
                ASSERT_EQ(g.window->session().view().shownCountry, eswatini) << x << "," << y;
            }
    // In battle mode the middle of Eswatini, beside the player's Südafrika, opens the deployment against it.
    g.window->findChild<QToolButton*>("modeButton")->click();
    g.window->zoomTo(0.8);
    g.release(e);
    DeployWindow* deploy = g.t.program->deployWindow();
    ASSERT_TRUE(deploy);
    deploy->findChild<QListWidget*>("generalList")->setCurrentRow(0);
    deploy->findChild<QPushButton*>("launchAttack")->click();
    EXPECT_EQ(std::pair(w.battleCount, w.battles[1].country), std::pair(1, eswatini));
}

TEST(ScreenFit, TheColourChoiceIsKeptAndTakesEffectInTheRunningGame)
{
    Game g;
    const auto homeColour = [&] {
        const WorldState& w = *g.t.world;
        return g.window->mapSurface().pixel(w.fillX[g.home], w.fillY[g.home]);
    };
    EXPECT_EQ(homeColour(), PlayerColour);
    for (const int choice : {1, 0, 1}) {
        SettingsWindow* settings = g.t.program->showSettings();
        EXPECT_EQ(settings->colourChoice()->currentIndex(), choice == 1 ? 0 : 1) << "the choice kept before";
        settings->colourChoice()->setCurrentIndex(choice);
        for (QPushButton* b : settings->findChildren<QPushButton*>())
            if (b->text() == "OK")
                b->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(homeColour(), sideColour(choice ? ColourScheme::ColourBlind : ColourScheme::Standard, 0));
        EXPECT_EQ(g.t.program->preferences().colourScheme() == ColourScheme::ColourBlind, choice == 1);
    }
}

// On every shipped map: Ctrl + 0 gives 100 % or the largest scale whose window
// fits the screen, and the status text is never under "Seitenmenü >".
TEST(ScreenFit, OnEveryMapCtrlZeroFitsTheScreenAndTheStatusStaysVisible)
{
    const std::pair<QString, const char*> maps[] = {
        {"Afrika", "Südafrika"}, {"Europa", "Spanien"}, {"Asien", "Türkei"}, {"Amerika", "Vereinigte Staaten"}};
    for (const auto& [map, country] : maps) {
        SCOPED_TRACE(map.toStdString());
        Game g(map, country);
        ASSERT_TRUE(g.window);
        const auto label = [&] { return g.window->findChild<QLabel*>("statusLabel")->geometry(); };
        const QRect button = g.window->findChild<QPushButton*>("sideMenuButton")->geometry();
        EXPECT_FALSE(label().intersects(button));
        g.window->zoomTo(2.0);
        g.window->zoomToFit();
        // The test screen is small: where even the smallest scale is too
        // large, the window's top-left corner stays on it.
        const QRect free = availableArea(*g.window);
        const MainLayoutMetrics m = g.window->metrics();
        const MainFit best = fitMainWindow(m, free.size(), expectedFrame(*g.window), 1.0);
        EXPECT_EQ(std::pair(g.window->mapScale(), g.window->arrangement()), std::pair(best.scale, best.arrangement));
        EXPECT_EQ(g.window->size(), mainContentSize(m, best.scale, best.arrangement));
        if (g.window->frameGeometry().width() <= free.width() && g.window->frameGeometry().height() <= free.height()) {
            EXPECT_TRUE(free.contains(g.window->frameGeometry()));
        } else {
            EXPECT_EQ(g.window->pos(), free.topLeft());
        }
        EXPECT_FALSE(label().intersects(g.window->findChild<QPushButton*>("sideMenuButton")->geometry()));
    }
}

// The panels and the control strip are widgets of their own: their controls
// still sit in the window's boxes, in both arrangements.
TEST(ScreenFit, PanelControlsSitInTheLayoutsBoxes)
{
    Game g;
    ASSERT_TRUE(g.window);
    for (const double scale : {0.5, 1.0}) {
        g.window->zoomTo(scale);
        const MainBoxes b = mainBoxes(g.window->metrics(), g.window->mapScale(), g.window->arrangement());
        const auto box = [&](const char* name) {
            const QWidget* w = g.window->findChild<QWidget*>(name);
            return QRect(w->mapTo(g.window, QPoint()), w->size());
        };
        SCOPED_TRACE(testing::Message() << scale << " " << int(g.window->arrangement()));
        EXPECT_EQ(std::tuple(box("generalScroll"), box("battleScroll"), box("generalsButton"), box("reportButton"),
                             box("modeButton"), box("pauseButton")),
                  std::tuple(b.generalScroll, b.battleScroll, b.generalsButton, b.sideButtons.at(0), b.modeButton,
                             b.pauseButton));
        EXPECT_EQ(std::pair(box("landCaption").topLeft(), box("battleHeadingLabel").topLeft()),
                  std::pair(b.infoPanel.topLeft(), b.battlePanel.topLeft()));
    }
}

// A new game on a map of another size fits the window to that map; one on
// the same map keeps the window as the player left it.
// Every new game fits the window to its own map as the first game did,
// whatever the game before made of it; the player's zoom is the limit.
TEST(ScreenFit, ANewGameOnAnotherMapFitsTheWindowAgain)
{
    Game g;
    ASSERT_TRUE(g.window);
    g.window->zoomTo(0.6);
    g.window->Startat();
    const QSize afrika = g.window->size();
    g.window->zoomTo(0.9);
    g.window->Startat();
    EXPECT_EQ(g.window->size(), afrika) << "the same map, the same window";
    g.window->zoomTo(0.6);
    g.t.program->preferences().setMapName("Amerika");
    g.t.world->side[0] = Game::index("Amerika", "Vereinigte Staaten");
    g.window->Startat();
    ASSERT_TRUE(g.t.program->playing());
    ASSERT_EQ(g.window->mapSurface().surface().width(), QImage(g.t.path("cards/Amerika.bmp")).width());
    const MainFit fit = fitMainWindow(g.window->metrics(), availableArea(*g.window).size(), expectedFrame(*g.window),
                                      g.window->mapScale());
    EXPECT_EQ(g.window->size(), mainContentSize(g.window->metrics(), fit.scale, fit.arrangement));
}

// Larger text gets larger boxes: at 150 % on a window of 1366 x 768 no label
// or button cuts its text off, and the map alone gives up the room. At the
// normal size the boxes are the design's.
TEST(ScreenFit, LargerTextGetsBoxesItFitsInWhileTheMapMakesRoom)
{
    Game g;
    ASSERT_TRUE(g.window);
    const MainLayoutMetrics normal = g.window->metrics();
    applyTextSize(150);
    settle();
    const MainLayoutMetrics large = g.window->metrics();
    EXPECT_DOUBLE_EQ(large.textScale, 1.5);
    g.window->resize(1366, 768);
    settle();
    const MainBoxes b = mainBoxes(large, g.window->mapScale(), g.window->arrangement());
    EXPECT_EQ(b.map.size(), mainBoxes(normal, g.window->mapScale(), g.window->arrangement()).map.size());
    EXPECT_LE(b.content.width(), 1366);
    EXPECT_LE(b.content.height(), 768);
    for (const QLabel* label : g.window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(g.window) || label->wordWrap() || label->text().isEmpty())
            continue;
        // The announcer's text is for the ear: a point, not meant to be read.
        if (label->parentWidget() && label->parentWidget()->objectName() == QLatin1String("announcer"))
            continue;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
            << label->objectName().toStdString() << " " << label->text().toStdString();
    }
    for (const QAbstractButton* button : g.window->findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(g.window) && !button->text().isEmpty()) {
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width())
                << button->objectName().toStdString() << " " << button->text().toStdString();
        }
    }
    applyTextSize(100);
    settle();
    EXPECT_EQ(g.window->metrics().textScale, 1.0);
}

}  // namespace
}  // namespace stratagon::test
