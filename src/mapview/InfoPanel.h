// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mapview/MainLayout.h"
#include "simulation/Clock.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QScrollBar;

namespace stratagon {

struct WorldState;

// The panel under the map (beside it where the screen is low): "Land :",
// "Kontienent :", "Generäle :" and one general at a time, name, EP and rank,
// chosen with a scroll bar. It shows the world as it was at the last
// showCountry; the scroll bar moves through that list.
class InfoPanel : public QWidget {
    Q_OBJECT
public:
    InfoPanel(const WorldState& world, QWidget* parent);

    // After a click the panel starts at general 1; the clock's refresh keeps
    // the general the scroll bar points at.
    void showCountry(int country, bool fromClick);

    // The widest text the panel may show in this game: every country under
    // its own name and under each side that may take it.
    int widestText() const;

    // The rows in `rows`, the scroll bar in `scroll` (the parent's coordinates).
    void place(const QRect& rows, const QRect& scroll, Arrangement arrangement, Twips px);

private:
    void showScroll(bool resetToFirst);
    void showGeneral(int n);
    int shownCount() const;

    const WorldState& world_;
    std::array<QLabel*, 6> captions_{};
    std::array<QLabel*, 6> values_{};  // land, continent, count, name, EP, rank
    QScrollBar* scroll_ = nullptr;
    CountryPanel shown_;  // describeCountry (simulation/Clock.h)
    int shownCountry_ = 0;
    QString landFull_;  // the country line before any shortening
    QString landText(const CountryPanel& panel) const;
    void showLand();
};

}  // namespace stratagon
