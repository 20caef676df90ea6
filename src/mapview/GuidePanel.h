// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/GameSession.h"

#include <QFrame>

class QLabel;
class QPushButton;

namespace stratagon {

class GamePanels;
class GuideMark;
class MainWindow;
struct GameContext;
struct WorldState;

// "Einführung": the guided game's current step in a few words, in the
// column beside the map, with "Überspringen"; a mark outlines the control or
// the countries the step is about. Hidden in every game without guidance.
// The steps themselves are rules (simulation/Guide.h); this only shows them
// and tells the session what the player did in the windows. Its buttons are
// reached by Tab and by F8 ("Überspringen", later "Weiterspielen"); the
// closing word takes the keys, so that Enter plays on.
class GuidePanel : public QFrame {
    Q_OBJECT
public:
    GuidePanel(MainWindow& window, const GameContext& game, const GamePanels& panels);

    // Shows the world's step, or hides the panel and the mark.
    void refresh();
    // The text of the step shown.
    QString stepText() const { return sentence(session_); }
    GuideMark* mark() const { return mark_; }

    // What the step asks of the player, in the current language; empty
    // without guidance. Windows over the panel repeat it.
    static QString sentence(const GameSession& session);

    // A country the player looked at other than by a click on the map (the
    // keyboard's focus on a country, say).
    void countryLooked(int country);

private:
    void skip();
    void finish(bool toMenu);
    void markStep();
    QRect countryRect(int country) const;

    MainWindow& window_;
    const GamePanels& panels_;
    WorldState& world_;
    GameSession& session_;
    QLabel* text_ = nullptr;
    QPushButton* skip_ = nullptr;
    QPushButton* keepPlaying_ = nullptr;
    QPushButton* toMenu_ = nullptr;
    GuideMark* mark_ = nullptr;
    // The step (times 8, with its turn) last said; none yet.
    int spokenStep_ = -8;
    // The clock stands while the closing word waits for an answer.
    ClockHold hold_;
};

}  // namespace stratagon
