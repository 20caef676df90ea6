// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogWindow.h"
#include "session/GameSession.h"

#include <functional>

class QLabel;
class QPushButton;
class QTimer;

namespace stratagon {

class Dialogs;

// "Optionsmenü ": the hub before a game and the pause screen during one,
// then over the game's window, which waits behind it; the clock stands while
// it is open over a game. Its form follows the game's phase. What its
// buttons ask for goes out as signals; the program does it.
class OptionsMenuWindow : public DialogWindow {
    Q_OBJECT
public:
    // `resource`: a file of the program ("data/MenuIcon1.png"). `game`: the
    // game's window, or none before a game.
    OptionsMenuWindow(GameSession& session, Dialogs& dialogs,
                      const std::function<QString(const QString&)>& resource, QWidget* game);

    // The labels, the buttons and the hold on the clock as the game stands.
    void reload();

    // The very first start's question: a short guided game, yes or no.
    bool offerGuidance();

    // A short word in the menu's last line ("Gespeichert: ..."), until it closes.
    void showNotice(const QString& text);
    QString notice() const;

    // Escape: back to the game over one; nothing before a game, which ends
    // only by "Beenden" or the frame.
    void reject() override;

    // Closes the menu without what its close box means (the game resumed,
    // or before a game the program's end).
    void dismiss();

signals:
    void newGameRequested();
    void resumeRequested();
    void settingsRequested();
    void creditsRequested();
    void quitRequested();
    void saveRequested();
    void loadRequested();
    void guideRequested();
    // "Spiel abbrechen", answered: the same game afresh, or given up.
    void restartRequested();
    void giveUpRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showStateTexts();
    // The menu's accessible description, the last notice first.
    void describe();
    void startClicked();
    void abortClicked();

    GameSession& session_;
    Dialogs& dialogs_;
    ClockHold hold_;
    QLabel* titleLabel_ = nullptr;
    QLabel* stateLabel_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* abortButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QLabel* footer_ = nullptr;
    QString notice_;  // as the footer shows it; whole in its tooltip
    QTimer* focusTimer_ = nullptr;
    bool closingHandled_ = false;
};

}  // namespace stratagon
