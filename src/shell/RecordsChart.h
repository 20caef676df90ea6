// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "world/Palette.h"

#include <QColor>
#include <QPen>
#include <QWidget>
#include <vector>

namespace stratagon {

struct WorldState;

// Countries held over the game: one line per side in play, in its map
// colour of the scheme the player chose, and one for the countries no side
// holds; game years along the bottom. Painted from the world's records each
// time it is shown. Marks stand over chosen months (the turning points, a
// branch), a line over the month picked with a click or played back.
class RecordsChart : public QWidget {
    Q_OBJECT
public:
    RecordsChart(const WorldState& world, ColourScheme scheme, QWidget* parent = nullptr);

    // The line of side place s (0 the player), or of the unheld countries (-1).
    static QPen linePen(ColourScheme scheme, int side);
    static QColor background(ColourScheme scheme);

    QSize sizeHint() const override { return {760, 330}; }
    QSize minimumSizeHint() const override { return {420, 220}; }

    // A mark over month `month` (an index into the records' months) with a
    // short label ("1", "2" ...).
    struct Mark {
        int month = 0;
        QString label;
    };
    void setMarks(std::vector<Mark> marks);
    // The month picked by the player; -1 for none.
    void setPickedMonth(int month);
    int pickedMonth() const { return picked_; }
    // The month a playback has reached; -1 for none.
    void setPlayedMonth(int month);
    // Clicks pick months.
    void setPicking(bool picking) { picking_ = picking; }

signals:
    void monthPicked(int month);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    double xOfMonth(int month) const;

    const WorldState& world_;
    ColourScheme scheme_;
    std::vector<Mark> marks_;
    int picked_ = -1;
    int played_ = -1;
    bool picking_ = false;
    QRect plot_;  // as last painted
};

}  // namespace stratagon
