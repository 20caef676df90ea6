// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/SessionClock.h"

#include "world/WorldState.h"

#include <chrono>

namespace stratagon {

namespace {

qint64 monotonicMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

SessionClock::TimeSource& installedSource()
{
    static SessionClock::TimeSource source;
    return source;
}

}  // namespace

void SessionClock::useTimeSource(TimeSource source) { installedSource() = std::move(source); }

SessionClock::SessionClock(WorldState& world, QObject* parent, int periodMs)
    : QObject(parent), world_(world), now_(installedSource() ? installedSource() : TimeSource(monotonicMs))
{
    last_ = now_();
    connect(&timer_, &QTimer::timeout, this, &SessionClock::take);
    timer_.start(periodMs);
}

void SessionClock::take()
{
    // A game that has ended keeps the time it had; so does the gap between
    // the end and the next game's start.
    const qint64 now = now_();
    const qint64 elapsed = now > last_ ? now - last_ : 0;
    last_ = now;
    if (world_.playing)
        world_.records.sessionMs += elapsed;
}

}  // namespace stratagon
