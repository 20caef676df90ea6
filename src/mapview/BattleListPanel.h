// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QTreeWidget;

namespace stratagon {

struct WorldState;

// Every running battle at once, one row each: the country fought over, the
// attacker with his score, general and EP, the defender likewise. The
// player's own battles come first and are bold. "Keine Kämpfe" when none.
class BattleListPanel : public QWidget {
    Q_OBJECT
public:
    explicit BattleListPanel(const WorldState& world, QWidget* parent = nullptr);

    void refresh();

    QTreeWidget* table() const { return table_; }
    QLabel* heading() const { return heading_; }

private:
    const WorldState& world_;
    QLabel* heading_ = nullptr;
    QTreeWidget* table_ = nullptr;
};

}  // namespace stratagon
