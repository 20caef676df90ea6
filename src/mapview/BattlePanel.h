// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mapview/MainLayout.h"

#include <QWidget>

class QLabel;
class QScrollBar;

namespace stratagon {

struct WorldState;

// The panel of the player's battles under the information panel: "Kampf um"
// a country, the attacker and the defender each with side, score, general
// and EP, one battle at a time; "Keine Kämpfe" when he fights none. The
// scroll bar chooses the battle the next refresh shows.
class BattlePanel : public QWidget {
    Q_OBJECT
public:
    BattlePanel(const WorldState& world, QWidget* parent);

    void refresh();

    // The rows in `rows`, the scroll bar in `scroll` (the parent's coordinates).
    void place(const QRect& rows, const QRect& scroll, Arrangement arrangement, Twips px);

private:
    // A side's general and his EP; "ohne General" without EP for none.
    void showGeneral(std::size_t side, const std::string& general, int ep);

    const WorldState& world_;
    QLabel* heading_ = nullptr;
    QLabel* country_ = nullptr;
    // Attacker, then defender.
    QLabel* side_[2] = {};
    QLabel* score_[2] = {};
    QLabel* general_[2] = {};
    QLabel* ep_[2] = {};
    QScrollBar* scroll_ = nullptr;
};

}  // namespace stratagon
