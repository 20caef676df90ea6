// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogWindow.h"
#include "session/GameSession.h"

namespace stratagon {

// "Spielanleitung": a short guide to the game, opened by F1 or the help
// button of the main window, over it. A running game waits while it is open.
class HelpWindow : public DialogWindow {
    Q_OBJECT
public:
    HelpWindow(GameSession& session, QWidget* game);

    // The guide as shown (HTML).
    static QString guideText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ClockHold hold_;
};

}  // namespace stratagon
