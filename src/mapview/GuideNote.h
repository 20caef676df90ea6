// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace stratagon {

class GameSession;

// The guided game's sentence, repeated at the top of a window that opens
// over the guidance panel (the roster, the task and deployment windows, the
// summary), so that what to do next is never hidden; in the guidance's black
// and yellow. Hidden in every game without guidance.
class GuideNote : public QLabel {
    Q_OBJECT
public:
    GuideNote(GameSession& session, QWidget* parent);

private:
    void refresh();

    GameSession& session_;
};

}  // namespace stratagon
