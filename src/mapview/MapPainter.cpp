// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/MapPainter.h"

#include "mapview/MapView.h"
#include "platform/Paths.h"
#include "session/GameText.h"
#include "simulation/Clock.h"
#include "simulation/PlayerActions.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace stratagon {

namespace {

// Grid column or row (from 1) of a picture coordinate; picture pixels are
// device-independent pixels here, cells 17 × 17. Outside the picture gives 0
// or a number past the grid, both cells of no country.
int gridIndex(double pixel)
{
    return 1 + static_cast<int>(std::clamp(std::floor(pixel / GridCellPixels), -1.0, 1000.0));
}

int pixelIndex(double position) { return static_cast<int>(std::floor(position)); }

}  // namespace

MapPainter::MapPainter(const WorldState& world, ColourScheme scheme) : world_(world), scheme_(scheme) {}

void MapPainter::ensureAreas()
{
    // Made once per map, from the seeds of the loaded map data.
    if (surface_.isNull())
        return;
    std::vector<QPoint> seeds = seedPoints<QPoint>(world_);
    if (surface_.hasAreas() && seeds == areaSeeds_)
        return;
    areaSeeds_ = std::move(seeds);
    surface_.buildAreas(areaSeeds_);
}

void MapPainter::drawDate(const std::string& text)
{
    surface_.drawText(1, 1, qs(text), 18, White);
    showChanges();
}

void MapPainter::showChanges()
{
    if (view_)
        view_->pictureChanged();
}

void MapPainter::paintHolders()
{
    if (surface_.isNull())
        return;
    surface_.clear();
    ensureAreas();
    for (const CountryPaint& paint : mapPaints(world_, scheme_))
        surface_.paintCountry(paint.x, paint.y, paint.style);
}

void MapPainter::repaint()
{
    if (surface_.isNull())
        return;
    paintHolders();
    if (!monthName(world_.month).empty())
        drawDate(gametext::date(world_.month, world_.year).toStdString());
    showChanges();
}

void MapPainter::markBattles()
{
    if (surface_.isNull())
        return;
    for (int k = 1; k <= std::clamp(world_.battleCount, 0, MaxBattles); ++k) {
        const int country = world_.battles[static_cast<std::size_t>(k)].country;
        if (validCountry(world_, country))
            surface_.drawBattleMark(world_.fillX[static_cast<std::size_t>(country)],
                                    world_.fillY[static_cast<std::size_t>(country)]);
    }
    // Only the rows the marks touched are shown again, and a scaled-down
    // view averages them in as well.
    showChanges();
}

int MapPainter::countryUnder(QPointF position) const
{
    const int drawn = surface_.countryAt(pixelIndex(position.x()), pixelIndex(position.y()));
    return drawn != 0 ? drawn : countryAtCell(world_, gridIndex(position.x()), gridIndex(position.y()));
}

QString MapPainter::toolTipAt(QPointF position) const
{
    const int country = countryUnder(position);
    if (country == 0)
        return {};
    const int holder = world_.countryOwner[static_cast<std::size_t>(country)];
    const QString name = gametext::name(world_.countryName[static_cast<std::size_t>(country)]);
    if (holder != 0 && validSideIndex(holder))
        return QCoreApplication::translate("MapPainter", "%1\nBesitzer : %2")
            .arg(name, gametext::sideName(world_, holder));
    return name;
}

QPoint MapPainter::cellUnder(QPointF position)
{
    int column = gridIndex(position.x());
    int row = gridIndex(position.y());
    // The country drawn under the pointer, not the grid cell's, wherever
    // the pointer is on a country's area: the cell is then the country's
    // own cell nearest to it.
    ensureAreas();
    const int drawn = surface_.countryAt(pixelIndex(position.x()), pixelIndex(position.y()));
    if (drawn != 0)
        nearestCellOf(world_, drawn, position.x() / GridCellPixels, position.y() / GridCellPixels, column, row);
    return {column, row};
}

}  // namespace stratagon
