// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/GameSession.h"

#include <QWidget>

namespace stratagon {

class Program;

// "Spielanleitung": a short guide to the game, opened by F1 or the help
// button of the main window. A running game waits while it is open.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(Program& program);

    // The guide as shown (HTML).
    static QString guideText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Program& program_;
    ClockHold hold_;
};

}  // namespace stratagon
