// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace stratagon {

struct WorldState;

// The player's own time with a game: while the game window lives and the
// game is on, the wall clock runs into the records (GameRecords::sessionMs),
// paused or not. The rules never read the wall clock; the game session does.
class SessionClock : public QObject {
    Q_OBJECT
public:
    SessionClock(WorldState& world, QObject* parent, int periodMs = 1000);

    // Adds the time since the last call (or since the start) to a running game.
    void take();

private:
    WorldState& world_;
    QTimer timer_;
    QElapsedTimer since_;
};

}  // namespace stratagon
