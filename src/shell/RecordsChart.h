// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "world/Palette.h"

#include <QColor>
#include <QPen>
#include <QWidget>

namespace stratagon {

struct WorldState;

// Countries held over the game: one line per side in play, in its map
// colour of the scheme the player chose, and one for the countries no side
// holds; game years along the bottom. Painted from the world's records each
// time it is shown.
class RecordsChart : public QWidget {
    Q_OBJECT
public:
    RecordsChart(const WorldState& world, ColourScheme scheme, QWidget* parent = nullptr);

    // The line of side place s (0 the player), or of the unheld countries (-1).
    static QPen linePen(ColourScheme scheme, int side);
    static QColor background(ColourScheme scheme);

    QSize sizeHint() const override { return {760, 330}; }
    QSize minimumSizeHint() const override { return {420, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const WorldState& world_;
    ColourScheme scheme_;
};

}  // namespace stratagon
