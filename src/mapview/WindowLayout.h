// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mapview/MainLayout.h"

#include <QMargins>
#include <QSize>

class QLayout;
class QWidget;

namespace stratagon {

class BattlePanel;
class ControlStrip;
class InfoPanel;
class MapSurface;
class MapView;
class Preferences;

// The main window's geometry: the map's display scale and the arrangement
// in force, the fit to the screen and its window manager's frame, the
// player's zoom, and where every control goes (the boxes of MainLayout).
// Scale and geometry are kept in the preferences.
class WindowLayout {
public:
    // What it places; the window makes them, then hands them over once.
    struct Controls {
        MapView* map = nullptr;
        QWidget* status = nullptr;
        QWidget* optionsButton = nullptr;
        QWidget* sideMenuButton = nullptr;
        ControlStrip* strip = nullptr;
        InfoPanel* info = nullptr;
        QWidget* line = nullptr;
        BattlePanel* battle = nullptr;
        QWidget* panelArea = nullptr;
        const QLayout* panels = nullptr;  // the panels added to panelArea
    };

    WindowLayout(QWidget& window, const MapSurface& map, Preferences& preferences);
    void setControls(const Controls& controls);

    // The screen's twips per pixel and a length in twips as whole pixels.
    double twipsPerPixel() const { return twips_.perPixel; }
    int px(int twips) const { return twips_(twips); }

    double scale() const { return scale_; }
    Arrangement arrangement() const { return arrangement_; }
    // What the layout is computed from: the map's size, the panels and buttons added.
    MainLayoutMetrics metrics() const;
    // The metrics the window is laid out with: the text column as the screen allows.
    MainLayoutMetrics laidMetrics() const;

    // Every control to its box at the scale and arrangement in force.
    void place();
    // The status text's left edge in the design's twips; the pause toggle moves it.
    void setStatusLeft(int twips);
    void moveStatus(int twips) { setStatusLeft(statusLeft_ + twips); }

    // A new game, its map loaded and its sides placed: the window fitted to
    // it as the first game was, whatever the game before it made of it (the
    // geometry kept from an earlier session the first time only).
    void fitNewMap();
    // The window manager's frame, once known or changed.
    void frameKnown(const QMargins& frame);
    // Any size the layout did not ask for gets the largest map that fits it.
    void resized();
    // Ctrl + Plus / Minus: one step of 10 %, within 20..200 %.
    void zoomBy(int steps);
    void zoomTo(double scale);
    // Ctrl + 0: 100 %, or the largest scale at which the whole window fits its screen.
    void zoomToFit();
    // Where the window stands, for the next session; the zoom is kept only
    // when the player chose one, so that no fit to one map limits the next.
    void keepPreferences();

    // After a panel was added to the panel area, or a button to the side menu.
    void panelAdded();
    void sideButtonAdded();
    // The side menu opened or closed: the window wider or narrower by `step`.
    void sideMenuToggled(bool open, int step);

    // The text size was set: the boxes grow or shrink with it, the map makes room.
    void textSizeChanged();

private:
    QSize windowSizeFor(double scale, Arrangement arrangement) const;
    void applyFit(const MainFit& fit);
    void fitToScreen(bool restoreKept);
    void placeStatus();

    QWidget& window_;
    const MapSurface& map_;
    Preferences& preferences_;
    Controls c_;
    Twips twips_;
    double scale_ = 1.0;
    double textScale_ = 1.0;  // the text size the boxes were made for
    Arrangement arrangement_ = Arrangement::Below;
    int sideCut_ = 0;      // how much narrower the window is than its content (side menu)
    bool fitted_ = false;  // fitted to a map once
    int infoTextWidth_ = 0;  // the information panel's widest text in this game
    int infoTextCap_ = 0;    // what the screen leaves of it; 0: all
    double fitLimit_ = 0;  // the largest scale of the last fit made without the real frame; 0 when none
    int statusLeft_ = design::StatusLeft;
    int statusTop_ = 0;
    int statusHeight_ = 0;
    int statusLimit_ = 0;
    int statusFallbackX_ = 0;
};

}  // namespace stratagon
