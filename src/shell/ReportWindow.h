// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/GameSession.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

class QCloseEvent;
class QKeyEvent;

namespace stratagon {

class Program;
struct WorldState;

// The figures under the chart, as German label and value.
QList<QPair<QString, QString>> reportFigures(const WorldState& world);

// "Spielbilanz": the chart of countries held and the player's figures, after
// the end of a game and from the side menu. During a game the clock stands
// still while it is open.
class ReportWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReportWindow(Program& program);

    // Chart and figures as one picture, as "Bild speichern" writes it.
    QImage picture() const;
    // "Bild speichern": asks for a file and writes the picture; false when
    // cancelled or not written (the player is told).
    bool savePicture();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Program& program_;
    QWidget* content_ = nullptr;
    ClockHold hold_;
};

}  // namespace stratagon
