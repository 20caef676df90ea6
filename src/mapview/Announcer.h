// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include "world/Text.h"

#include <string>

namespace stratagon {

struct WorldState;

// What a screen reader should say without the player moving there: new
// messages (the player's battles begun and ended among them) and the end of
// the game. Each announcement is an alert that shows itself anew; the widget
// itself is a point in the window's corner, nothing to look at.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
    QString lastAnnouncement() const { return accessibleName(); }

    // The messages that came since the last call, the oldest first; the
    // first call after restart() only takes note of what is there.
    void announceNewMessages(const WorldState& world);
    void restart(const WorldState& world)
    {
        primed_ = false;
        announceNewMessages(world);
    }

private:
    bool primed_ = false;
    std::size_t seenCount_ = 0;
    Text seenLast_;
};

}  // namespace stratagon
