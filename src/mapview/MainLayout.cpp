// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/MainLayout.h"

#include <algorithm>
#include <cmath>

namespace stratagon {

using namespace design;

int Twips::operator()(int twips) const
{
    return static_cast<int>(std::lround(twips / (perPixel > 0 ? perPixel : DefaultTwipsPerPixel)));
}

double twipsPerPixelAt(int dotsPerInch)
{
    return 1440.0 / std::max(dotsPerInch, 1);
}

Twips textTwips(const MainLayoutMetrics& metrics)
{
    const double perPixel = metrics.twipsPerPixel > 0 ? metrics.twipsPerPixel : DefaultTwipsPerPixel;
    return {perPixel / std::max(metrics.textScale, 1.0)};
}

MainBoxes mainBoxes(const MainLayoutMetrics& metrics, double scale, Arrangement arrangement)
{
    // Only the map keeps its scale; the panels and buttons grow with the text.
    const Twips px = textTwips(metrics);
    MainBoxes b;
    const int m = px(Margin);
    const int top = px(MapTop);
    const int mapW = static_cast<int>(std::lround(std::max(metrics.map.width(), 0) * scale));
    const int mapH = static_cast<int>(std::lround(std::max(metrics.map.height(), 0) * scale));
    const int rowH = px(RowHeight);
    const int scrollH = px(ScrollHeight);
    // The column holds the widest text of the information panel.
    const int col = std::max(px(ColumnWidth), px(CaptionWidth) + metrics.infoTextWidth + px(Margin));
    b.map = QRect(m, top, mapW, mapH);
    const int mapRight = m + mapW;
    b.optionsButton = QRect(m, px(TopRowY), px(ButtonWidth), px(ButtonHeight));
    // Over the map's right edge, never over "Optionsmenü" however small the map.
    const int sideX = std::max(mapRight - px(ButtonWidth), b.optionsButton.right() + 1 + m);
    b.sideMenuButton = QRect(sideX, px(TopRowY), px(ButtonWidth), px(ButtonHeight));
    b.statusTop = px(TopRowY);
    b.statusHeight = px(ButtonHeight);
    b.statusLimit = b.sideMenuButton.left();

    int stripX = 0;
    int contentH = 0;
    if (arrangement == Arrangement::Below) {
        contentH = mapH + px(BelowMap);
        const int y0 = top + mapH + m;
        b.infoPanel = QRect(m, y0, mapW, 3 * rowH);
        const int rightX = m + mapW * 11 / 20 + m;
        b.generalScroll = QRect(rightX, y0 + 3 * rowH, std::max(mapRight - rightX, 0), scrollH);
        b.line = QRect(m, y0 + 3 * rowH + scrollH + px(60), mapW, px(60));
        const int b0 = y0 + 3 * rowH + scrollH + px(180);
        b.battlePanel = QRect(m, b0, mapW, 2 * rowH);
        b.battleScroll = QRect(m, b0 + 2 * rowH, mapW, scrollH);
        stripX = mapRight + m;
        if (metrics.extraPanels) {
            b.extraPanels = QRect(stripX, top, col, contentH - top - m);
            stripX += col + m;
        }
    } else {
        const int colX = mapRight + m;
        b.infoPanel = QRect(colX, top, col, 6 * rowH);
        b.generalScroll = QRect(colX, top + 6 * rowH, col, scrollH);
        b.line = QRect(colX, top + 6 * rowH + scrollH + px(60), col, px(60));
        const int b0 = top + 6 * rowH + scrollH + px(180);
        b.battlePanel = QRect(colX, b0, col, 3 * rowH);
        b.battleScroll = QRect(colX, b0 + 3 * rowH, col, scrollH);
        const int used = b0 + 3 * rowH + scrollH;
        contentH =
            std::max({top + mapH,
                      used + (metrics.extraPanels ? m + Twips{metrics.twipsPerPixel}(ExtraPanelsMinHeight) : 0),
                      top + px(StripHeight + metrics.sideButtons * SideButtonStep)}) + m;
        if (metrics.extraPanels)
            b.extraPanels = QRect(colX, used + m, col, contentH - m - (used + m));
        stripX = colX + col + m;
    }
    const int strip = px(StripWidth);
    b.generalsButton = QRect(stripX, top, strip, px(ButtonHeight));
    // Further side-menu buttons go under "Generäle", the rest moves down.
    const int shift = metrics.sideButtons * px(SideButtonStep);
    for (int i = 0; i < metrics.sideButtons; ++i)
        b.sideButtons.push_back(QRect(stripX, top + (i + 1) * px(SideButtonStep), strip, px(ButtonHeight)));
    b.modeButton = QRect(stripX, top + shift + px(480), strip, px(900));
    b.pauseButton = QRect(stripX + px(240), top + shift + px(1500), strip - px(480), px(900));
    b.decoration = QRect(stripX, top + shift + px(2520), strip, px(1200));
    b.content = QSize(std::max(stripX + strip, b.sideMenuButton.right() + 1) + m, contentH);
    return b;
}

QSize mainContentSize(const MainLayoutMetrics& metrics, double scale, Arrangement arrangement)
{
    return mainBoxes(metrics, scale, arrangement).content;
}

namespace {

bool fits(const MainLayoutMetrics& metrics, QSize available, QMargins frame, double scale, Arrangement a)
{
    // Under a map too narrow for them the panels' texts would be cut.
    const Twips px = textTwips(metrics);
    const double mapW = metrics.map.width() * scale;
    if (a == Arrangement::Below &&
        (mapW < px(ColumnWidth) || mapW * 11 / 20 < px(CaptionWidth) + metrics.infoTextWidth))
        return false;
    const QSize content = mainContentSize(metrics, scale, a);
    return content.width() + frame.left() + frame.right() <= available.width() &&
           content.height() + frame.top() + frame.bottom() <= available.height();
}

// Scales in steps of half a per cent, from the largest down.
double largestFit(const MainLayoutMetrics& metrics, QSize available, QMargins frame, double maxScale, Arrangement a)
{
    const int top = static_cast<int>(std::floor(std::clamp(maxScale, MinMapScale, MaxMapScale) * 200 + 1e-9));
    for (int k = top; k >= static_cast<int>(MinMapScale * 200); --k)
        if (fits(metrics, available, frame, k / 200.0, a))
            return k / 200.0;
    return 0;
}

}  // namespace

MainFit fitMainWindow(const MainLayoutMetrics& metrics, QSize available, QMargins frame, double maxScale)
{
    const double below = largestFit(metrics, available, frame, maxScale, Arrangement::Below);
    const double beside = largestFit(metrics, available, frame, maxScale, Arrangement::Beside);
    if (below == 0 && beside == 0) {
        // The smallest map beside a column narrowed to the screen; the
        // panel shortens what it cannot show.
        const int width = mainContentSize(metrics, MinMapScale, Arrangement::Beside).width();
        const int over = width + frame.left() + frame.right() - available.width();
        const int cap = over > 0 ? std::max(metrics.infoTextWidth - over, 1) : 0;
        return {MinMapScale, Arrangement::Beside, cap};
    }
    if (below >= beside)
        return {below, Arrangement::Below};
    return {beside, Arrangement::Beside};
}

Arrangement arrangementFor(const MainLayoutMetrics& metrics, QSize available, QMargins frame, double scale)
{
    return fits(metrics, available, frame, scale, Arrangement::Below) ? Arrangement::Below : Arrangement::Beside;
}

}  // namespace stratagon
