#pragma once

#include "simulation/GameView.h"

#include <QWidget>

class QTimer;

namespace stratagon {

class Program;
struct WorldState;

// "Stratagon !": the map, the clock, the panels and the buttons of a game.
// Its opening routine sets up a new game.
class MainWindow : public QWidget, public GameView {
    Q_OBJECT
public:
    explicit MainWindow(Program& program);
    ~MainWindow() override;

    // Public members for the other windows (held in the world state).
    bool playing() const;
    void setPlaying(bool value);
    int& r();
    int& kl();
    int& jk();
    int& hh();
    int& bb();
    std::string& Kontinent();
    int& Genralmenge();
    std::string& land();

    // Runs the window's opening routine again: a fresh game, same side.
    void Startat();

    QTimer* clockTimer() const { return clockTimer_; }

private:
    Program& program_;
    QTimer* clockTimer_ = nullptr;
};

}  // namespace stratagon
