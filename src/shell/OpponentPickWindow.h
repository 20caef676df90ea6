// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/PickWindow.h"

class QListWidget;

namespace stratagon {

// "Wie viele Gegner ?": 1 to 5 computer opponents for the new game, the
// `current` number selected; "OK" or a double click reports the chosen
// number, "Abbrechen" none.
class OpponentPickWindow : public PickWindow {
    Q_OBJECT
public:
    OpponentPickWindow(int current, QWidget* parent);

    QListWidget* countList() const { return list_; }

signals:
    void chosen(int count);

private:
    void accept() override;

    QListWidget* list_ = nullptr;
};

}  // namespace stratagon
