// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace stratagon {

class Program;

// "General für den Kampf einsetzen": the player picks a general for the
// country of the last map click, seeing the target, its holder, the general
// defending it and the chance to win. Opened by the main window with the
// clock stopped and itself disabled; every way out gives both back. Enter or
// a double-click attacks, Escape cancels.
class DeployWindow : public QWidget {
    Q_OBJECT
public:
    explicit DeployWindow(Program& program);

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
