// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/SessionClock.h"

#include "world/WorldState.h"

namespace stratagon {

SessionClock::SessionClock(WorldState& world, QObject* parent, int periodMs) : QObject(parent), world_(world)
{
    since_.start();
    connect(&timer_, &QTimer::timeout, this, &SessionClock::take);
    timer_.start(periodMs);
}

void SessionClock::take()
{
    // A game that has ended keeps the time it had; so does the gap between
    // the end and the next game's start.
    const qint64 elapsed = since_.restart();
    if (world_.playing)
        world_.records.sessionMs += elapsed;
}

}  // namespace stratagon
