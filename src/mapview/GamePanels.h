// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLabel;
class QPushButton;

namespace stratagon {

class BattleListPanel;
class GuidePanel;
class MainWindow;
class MessagesPanel;
struct GameContext;
struct WorldState;
class GameSession;

// What lets the player follow and steer the war, in the main window's panel
// column: the pace (slower, the pace, faster) and the help button on top,
// then the messages and the list of every running battle.
class GamePanels : public QObject {
    Q_OBJECT
public:
    GamePanels(MainWindow& window, const GameContext& game);

    // After a tick, or an order given while paused.
    void refresh();
    // One step slower (-1) or faster (+1); the running clock takes it at once.
    void changePace(int direction);

    MessagesPanel* messages() const { return messages_; }
    BattleListPanel* battles() const { return battles_; }
    QPushButton* fasterButton() const { return faster_; }
    GuidePanel* guide() const { return guide_; }

private:
    void showPace();

    MainWindow& window_;
    WorldState& world_;
    GameSession& session_;
    QPushButton* slower_ = nullptr;
    QPushButton* faster_ = nullptr;
    QLabel* pace_ = nullptr;
    MessagesPanel* messages_ = nullptr;
    BattleListPanel* battles_ = nullptr;
    GuidePanel* guide_ = nullptr;
};

}  // namespace stratagon
