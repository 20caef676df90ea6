// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the main window's controls go, as plain geometry so that the fit to
// a screen can be checked without one. Lengths of the design are in twips;
// the map is its picture's pixel size times the display scale.
//
// Two arrangements:
// - Below: the design's own layout, information and battle panels under the
//   map, the side menu right of it. At scale 1 this is the window as designed.
// - Beside: for screens too low for that: the panels in a column right of the
//   map (left of the side menu), so the map can be as high as the screen.
// Panels added by other features (addPanel) get a column of their own beside
// the map in Below, and the rest of the panel column in Beside.

#include <QMargins>
#include <QRect>
#include <QSize>
#include <vector>

namespace stratagon {

enum class Arrangement { Below, Beside };

// Twips per pixel on a screen of 96 dpi, and a length in twips as whole
// pixels at a screen's twips per pixel.
constexpr double DefaultTwipsPerPixel = 15.0;
struct Twips {
    double perPixel = DefaultTwipsPerPixel;
    int operator()(int twips) const;
};
// The screen's twips per pixel at its logical dots per inch.
double twipsPerPixelAt(int dotsPerInch);

// The design's lengths, in twips: every control of the main window is
// placed from these.
namespace design {
constexpr int Margin = 120;
constexpr int TopRowY = 120;
constexpr int ButtonWidth = 1800;
constexpr int ButtonHeight = 360;
constexpr int StatusLeft = 7080;
constexpr int StatusWidth = 1500;
constexpr int MapTop = 600;
constexpr int BelowMap = 3200;
constexpr int RowHeight = 300;
constexpr int LabelHeight = 285;
constexpr int CaptionWidth = 1320;
constexpr int ScrollHeight = 255;
constexpr int StripWidth = 1860;
constexpr int StripHeight = 3720;
constexpr int SideButtonStep = 480;
// Added for the panel column: wide enough for "Land, Kolonie : Land" of
// long names at the normal font size.
constexpr int ColumnWidth = 5400;
// The least room of the added panels' column, whatever the text size: they
// scroll in it where the screen leaves no more.
constexpr int ExtraPanelsMinHeight = 1800;
}  // namespace design

// A large text on a small screen may leave the map little room.
constexpr double MinMapScale = 0.2;
constexpr double MaxMapScale = 2.0;
constexpr double MapScaleStep = 0.1;

struct MainLayoutMetrics {
    QSize map;                  // the picture's pixel size
    double twipsPerPixel = DefaultTwipsPerPixel;
    bool extraPanels = false;   // panels added with addPanel
    int sideButtons = 0;        // side-menu buttons added under "Generäle"
    double textScale = 1.0;     // the text size against the normal one: every box but the map's grows by it
    int infoTextWidth = 0;      // pixels the widest text of the information panel needs ("Land, Kolonie : Land")
};

struct MainFit {
    double scale = 1.0;
    Arrangement arrangement = Arrangement::Below;
    // Where even the smallest map leaves no room for the information panel's
    // widest text (large text on a small screen), the width it gets; 0: all of it.
    int infoTextCap = 0;

    bool operator==(const MainFit&) const = default;
};

// The window's inner size with the side menu open.
QSize mainContentSize(const MainLayoutMetrics& metrics, double scale, Arrangement arrangement);

// The largest scale up to maxScale at which the window fits `available` (a
// screen's available area, frame included: pass the frame's margins); the
// design's arrangement wherever it reaches that scale, else the one that
// shows the larger map. Never below MinMapScale.
MainFit fitMainWindow(const MainLayoutMetrics& metrics, QSize available, QMargins frame, double maxScale);

// For a scale the player chose: Below where it fits, else Beside.
Arrangement arrangementFor(const MainLayoutMetrics& metrics, QSize available, QMargins frame, double scale);

// The design's lengths at a text size: larger text gets boxes as much larger.
Twips textTwips(const MainLayoutMetrics& metrics);

// Every box of the layout, in window pixels.
struct MainBoxes {
    QRect map;
    QRect optionsButton;
    QRect sideMenuButton;
    QRect generalsButton;
    std::vector<QRect> sideButtons;
    QRect modeButton;
    QRect pauseButton;
    QRect decoration;
    QRect infoPanel;     // the six rows of captions and values
    QRect generalScroll;
    QRect line;
    QRect battlePanel;   // its rows; the scroll bar below
    QRect battleScroll;
    QRect extraPanels;   // empty when there are none
    int statusTop = 0;
    int statusHeight = 0;
    int statusLimit = 0; // the status label must end left of this
    QSize content;       // the window's inner size with the side menu open
};
MainBoxes mainBoxes(const MainLayoutMetrics& metrics, double scale, Arrangement arrangement);

}  // namespace stratagon
