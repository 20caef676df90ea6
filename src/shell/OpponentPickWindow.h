// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/PickWindow.h"

class QListWidget;

namespace stratagon {

// "Wie viele Gegner ?": 1 to 5 computer opponents for the new game; "OK" or
// a double click chooses, "Abbrechen" keeps the current number. The choice is
// kept in the preferences. Every way out enables the new-game window again.
class OpponentPickWindow : public PickWindow {
    Q_OBJECT
public:
    explicit OpponentPickWindow(Program& program);

    QListWidget* countList() const { return list_; }

private:
    void accept() override;

    QListWidget* list_ = nullptr;
};

}  // namespace stratagon
