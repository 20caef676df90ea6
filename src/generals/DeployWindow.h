// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/GameSession.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace stratagon {

class Program;

// "General für den Kampf einsetzen": the player picks a general for the
// country he clicked on the map, seeing the target, its holder, the general
// defending it and the chance to win. The clock stands while it is open, and
// the main window is disabled; every way out gives both back. Enter or a
// double-click attacks, Escape cancels.
class DeployWindow : public QWidget {
    Q_OBJECT
public:
    DeployWindow(Program& program, int target);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void chooseGeneral(int row);
    void attack();

    Program& program_;
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
