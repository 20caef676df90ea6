// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace stratagon {

struct WorldState;

// The player's own time with a game: while the game window lives and the
// game is on, the time that passes runs into the records
// (GameRecords::sessionMs), paused or not. The rules never read a clock; the
// game session does.
class SessionClock : public QObject {
    Q_OBJECT
public:
    // Milliseconds on a clock that only moves forward. The program's is the
    // system's monotonic clock; a test puts in one that moves when it says.
    using TimeSource = std::function<qint64()>;
    // For every clock made afterwards; an empty source goes back to the system's.
    static void useTimeSource(TimeSource source);

    SessionClock(WorldState& world, QObject* parent, int periodMs = 1000);

    // Adds the time since the last call (or since the start) to a running game.
    void take();

private:
    WorldState& world_;
    QTimer timer_;
    TimeSource now_;
    qint64 last_ = 0;
};

}  // namespace stratagon
