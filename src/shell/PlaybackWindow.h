// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mapview/MapPainter.h"
#include "platform/DialogWindow.h"
#include "simulation/Trail.h"
#include "world/Palette.h"

#include <QTimer>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace stratagon {

class GameSession;
class RecordsChart;

// "Ansehen": a finished game played back from its trail on a picture of its
// map, the Spielbilanz's chart below with a line at the month reached, at the
// game's pace times 1 to 16. It can be paused and left at any moment, and
// from where it stands "Noch einmal ab hier" asks for the game from there.
// It starts playing as it opens.
// The window works on its own copy of the game; the game itself stays as it is.
class PlaybackWindow : public DialogWindow {
    Q_OBJECT
public:
    PlaybackWindow(const GameSession& session, ColourScheme colours, QWidget* parent);
    ~PlaybackWindow() override;

    static constexpr int Speeds[] = {1, 2, 4, 8, 16};

    const Replay& replay() const { return *replay_; }
    bool running() const { return timer_.isActive(); }
    void setRunning(bool running);
    void setSpeed(int factor);
    // One tick further, the picture and the chart following; false at the end.
    bool step();

signals:
    void playAgainRequested(qint64 tick);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showState();
    // The painted map scaled into the room the window gives it.
    void showPicture();
    void retranslate();

    GameTrail trail_;  // a copy: the game may go on or be replaced
    std::unique_ptr<WorldState> finished_;
    std::unique_ptr<Replay> replay_;
    MapPainter painter_;  // paints the replayed world
    QLabel* map_ = nullptr;
    QLabel* date_ = nullptr;
    RecordsChart* chart_ = nullptr;
    QComboBox* speed_ = nullptr;
    QPushButton* pause_ = nullptr;
    QPushButton* again_ = nullptr;
    QPushButton* close_ = nullptr;
    QTimer timer_;
    int speedFactor_ = 1;
};

}  // namespace stratagon
