#pragma once

#include <QColor>
#include <QWidget>

namespace stratagon {

struct WorldState;

// Countries held over the game: one line per side in play, in its map
// colour, and one for the countries no side holds; game years along the
// bottom. Painted from the world's records each time it is shown.
class RecordsChart : public QWidget {
    Q_OBJECT
public:
    explicit RecordsChart(const WorldState& world, QWidget* parent = nullptr);

    // The line of side place s (0 the player), or of the unheld countries (-1).
    static QColor lineColour(int side);

    QSize sizeHint() const override { return {760, 330}; }
    QSize minimumSizeHint() const override { return {420, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const WorldState& world_;
};

}  // namespace stratagon
