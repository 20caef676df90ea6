// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include "simulation/Announcements.h"
#include "world/Text.h"

#include <string>

class QAccessibleInterface;
class QLabel;

namespace stratagon {

struct WorldState;

// What a screen reader should say without the player moving there. Screen
// readers speak a notification when it shows, whatever has the focus, and
// keep it in their history: so each announcement is a frame of role
// notification inside this one (a status bar) shown anew with the text in
// its label. It is a point in its
// window's corner, nothing to look at. Several announcements in one pass of
// the event loop would be heard as the last one alone: they are joined and
// shown once, when the loop comes round.
class Announcer : public QFrame {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
    void announce(const Text& text);
    QString lastAnnouncement() const { return last_; }

    // How much of the game's news is said ("Ansagen :").
    void setLevel(AnnounceLevel level) { news_.setLevel(level); }
    AnnounceLevel level() const { return news_.level(); }

    // A tick's news, joined and spaced out (simulation/Announcements.h).
    void announceTick(const WorldState& world, const TickReport& report, bool pausedByIt);
    // The news still held back by the spacing, said now (the clock stops).
    void announceWaiting() { announce(news_.takeWaiting()); }
    // The messages that came since the last call, the oldest first: what
    // the player's own orders brought between ticks. The first call after
    // restart() only takes note of what is there.
    void announceNewMessages(const WorldState& world);
    void restart(const WorldState& world)
    {
        primed_ = false;
        news_.clear();
        announceNewMessages(world);
    }

private:
    // The messages now in the log count as heard.
    void takeNoteOfMessages(const WorldState& world);
    // Says `said` and holds the next news until it has been said.
    void sayNews(const WorldState& world, const QString& said);

    QFrame* notice_ = nullptr;
    QLabel* label_ = nullptr;
    QString last_;
    bool pending_ = false;
    NewsQueue news_;
    bool primed_ = false;
    std::size_t seenCount_ = 0;
    Text seenLast_;
};

// The notification role for the announcers; once per program, before the
// first window shows (mapview/MapAccess.h installs it with the map's).
QAccessibleInterface* announcerInterface(const QString& className, QObject* object);

}  // namespace stratagon
