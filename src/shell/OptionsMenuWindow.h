// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/GameSession.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace stratagon {

class Program;

// "Optionsmenü ": the hub before a game and the pause screen during one; the
// clock stands while it is open over a game.
class OptionsMenuWindow : public QWidget {
    Q_OBJECT
public:
    explicit OptionsMenuWindow(Program& program);

    // Reads `playing` and sets the labels and buttons, and the hold on the
    // clock, to the matching form.
    void reload();

    // The very first start's question: a short guided game, yes or no.
    void offerGuidance();

    // Whether the last restart question was answered Yes.
    bool lastRestartAnswer() const { return lastRestartAnswer_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The title, state and first button as the game stands.
    void showStateTexts();
    void startClicked();
    void abortClicked();
    void quitClicked();
    void saveClicked();
    void loadClicked();
    void startGuidance();
    // Clock on, main window enabled and in front; the menu closes unless it
    // is already closing.
    void resumeGame(bool closeMenu);
    void closeMenu();

    Program& program_;
    ClockHold hold_;
    QLabel* titleLabel_ = nullptr;
    QLabel* stateLabel_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* settingsButton_ = nullptr;
    QPushButton* abortButton_ = nullptr;
    QPushButton* creditsButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QPushButton* guideButton_ = nullptr;
    QTimer* focusTimer_ = nullptr;
    bool lastRestartAnswer_ = false;
    bool closingHandled_ = false;
};

}  // namespace stratagon
