// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mapview/MapSurface.h"
#include "world/Palette.h"
#include "world/WorldState.h"

#include <string>

#include <QPoint>
#include <QPointF>
#include <vector>

namespace stratagon {

class MapView;

// The map as the game paints it: the surface over the map's bitmap, the
// countries' areas made from the map's seed points, the sides' colours in
// the player's scheme, the date and the marks of countries fought over; the
// map view shows what it painted.
class MapPainter {
public:
    explicit MapPainter(const WorldState& world, ColourScheme scheme = ColourScheme::Standard);

    // The view that shows the surface; told after every change.
    void setView(MapView* view) { view_ = view; }

    MapSurface& surface() { return surface_; }
    const MapSurface& surface() const { return surface_; }

    ColourScheme colourScheme() const { return scheme_; }
    void setColourScheme(ColourScheme scheme) { scheme_ = scheme; }

    // Paints the map afresh from the world (holders, date) and shows it, as
    // a tick does without running one: after loading, or a new colour scheme.
    void repaint();
    // Every country in its holder's colours on a clean picture, nothing
    // more and not yet shown.
    void paintHolders();
    // The mark of every country fought over.
    void markBattles();
    // Shows what was painted since.
    void showChanges();

    // The country drawn under a picture pixel (its area, else its grid cell); 0 for none.
    int countryUnder(QPointF picturePosition) const;
    // The map's tooltip there: the country and, when a side holds it, the holder.
    QString toolTipAt(QPointF picturePosition) const;
    // The grid cell (column, row from 1) a click at a picture pixel means:
    // on a country's area the nearest cell of that country, else the cell
    // under the pointer (a cell of no country outside the grid).
    QPoint cellUnder(QPointF picturePosition);

private:
    void ensureAreas();
    void drawDate(const std::string& text);

    const WorldState& world_;
    MapSurface surface_;
    MapView* view_ = nullptr;
    ColourScheme scheme_;
    std::vector<QPoint> areaSeeds_;
};

}  // namespace stratagon
