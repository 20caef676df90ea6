// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/GameSession.h"
#include "shell/RecordsChart.h"
#include "simulation/TurningPoints.h"

#include <QWidget>
#include <vector>

class QLabel;
class QPushButton;

namespace stratagon {

// One sentence for a turning point: "März 2012: Ägypten überholt dich, …".
QString turningText(const WorldState& world, const TurningPoint& point);

// Under the Spielbilanz's chart: the game's turning points, numbered as
// their marks on the chart, each with "Noch einmal ab hier", and the same
// for a month picked on the chart. Asks; the program resumes.
class TurningPanel : public QWidget {
    Q_OBJECT
public:
    TurningPanel(GameSession& session, RecordsChart& chart, QWidget* parent);

signals:
    void playAgainRequested(qint64 tick);

private:
    void showPicked(int month);
    void retranslate();

    GameSession& session_;
    std::vector<TurningPoint> points_;
    QLabel* title_ = nullptr;
    QLabel* branched_ = nullptr;
    std::vector<QLabel*> sentences_;
    std::vector<QPushButton*> again_;
    QLabel* picked_ = nullptr;
    QPushButton* pickedAgain_ = nullptr;
    int pickedMonth_ = -1;
};

}  // namespace stratagon
