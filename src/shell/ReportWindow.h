// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogWindow.h"
#include "session/GameContext.h"
#include "session/GameSession.h"
#include "world/Palette.h"

#include <QList>
#include <QPair>
#include <QString>

class QCloseEvent;
class QKeyEvent;

namespace stratagon {

class AppPaths;
struct WorldState;

// The figures under the chart, as German label and value.
QList<QPair<QString, QString>> reportFigures(const WorldState& world);

// "Spielbilanz": the chart of countries held and the player's figures, after
// the end of a game and from the side menu, over the game's window or the
// options menu. During a game the clock stands still while it is open. Where
// the screen is too small, chart and figures scroll.
class ReportWindow : public DialogWindow {
    Q_OBJECT
public:
    ReportWindow(const GameContext& game, const AppPaths& paths, ColourScheme colours, QWidget* parent);

    // Chart and figures as one picture, as "Bild speichern" writes it.
    QImage picture() const;
    // "Bild speichern": asks for a file and writes the picture; false when
    // cancelled or not written (the player is told).
    bool savePicture();

signals:
    // "Noch einmal ab hier": the game after `tick` ticks of its trail.
    void playAgainRequested(qint64 tick);
    // "Ansehen": the finished game played back.
    void watchRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    GameContext game_;
    const AppPaths& paths_;
    QWidget* content_ = nullptr;
    ClockHold hold_;
};

}  // namespace stratagon
