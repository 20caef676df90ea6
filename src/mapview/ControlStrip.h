// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mapview/MainLayout.h"

#include <QWidget>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QToolButton;

namespace stratagon {

// The column at the main window's right edge: the side menu ("Generäle",
// "Bilanz" and the buttons other features add under them), shown and hidden
// as one, then the mode, the pause toggle and the game's picture. The window
// connects the buttons; the strip shows their state.
class ControlStrip : public QWidget {
    Q_OBJECT
public:
    // dataPath: where a file of the game's data folder is.
    ControlStrip(const std::function<QString(const QString&)>& dataPath, QWidget* parent);

    QPushButton* generalsButton() const { return generals_; }
    QPushButton* reportButton() const { return report_; }
    QToolButton* modeButton() const { return mode_; }
    QToolButton* pauseButton() const { return pause_; }
    // The buttons under "Generäle", "Bilanz" first.
    const std::vector<QPushButton*>& menuButtons() const { return menu_; }

    QPushButton* addMenuButton(const QString& text, const QString& objectName, bool visible);
    void setMenuOpen(bool open);
    // "Modus : Schlacht" or "Modus : Info", each with its icon.
    void showMode(bool battle);
    // The pause button shows what a press will do: play while paused, pause while running.
    void showPauseState(bool paused);

    // Into the boxes of the main window's layout (the parent's coordinates).
    void place(const MainBoxes& boxes);

private:
    std::function<QString(const QString&)> dataPath_;
    QPushButton* generals_ = nullptr;
    QPushButton* report_ = nullptr;
    std::vector<QPushButton*> menu_;
    QToolButton* mode_ = nullptr;
    QToolButton* pause_ = nullptr;
    QLabel* decoration_ = nullptr;
    // What the mode button and the pause toggle show now.
    bool battle_ = true;
    bool paused_ = false;
};

}  // namespace stratagon
