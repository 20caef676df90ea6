// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogWindow.h"
#include "session/GameContext.h"
#include "session/GameSession.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace stratagon {

// "General für den Kampf einsetzen": the player picks a general for the
// country he clicked on the map, seeing the target, its holder, the general
// defending it and the chance to win. It opens centred over the game's
// window, which waits meanwhile. The clock stands while it is open; every way
// out gives it back and says closed(). Enter or a double-click attacks,
// Escape cancels.
class DeployWindow : public DialogWindow {
    Q_OBJECT
public:
    DeployWindow(GameContext game, int target, QWidget* gameWindow);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void chooseGeneral(int row);
    // The window's accessible description: target, defender, the general chosen and his chance.
    void describe(const QString& target, const QString& defender);
    void attack();

    GameContext game_;
    int chosenSlot_ = 0;
    int target_ = 0;
    bool attacked_ = false;
    ClockHold hold_;

    QListWidget* generalList_ = nullptr;
    QLabel* epLabel_ = nullptr;
    QLabel* rankLabel_ = nullptr;
    QLabel* readinessLabel_ = nullptr;
    QLabel* taskLabel_ = nullptr;
    QLabel* chanceLabel_ = nullptr;
    QPushButton* attackButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace stratagon
