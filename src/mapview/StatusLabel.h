// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace stratagon {

// The game's state above the map, in bold and in the player's language:
// "Spiel läuft" or "Spiel pausiert".
class StatusLabel : public QLabel {
    Q_OBJECT
public:
    explicit StatusLabel(QWidget* parent);

    void showPaused(bool paused);
    bool paused() const { return paused_; }

private:
    bool paused_ = false;
};

}  // namespace stratagon
