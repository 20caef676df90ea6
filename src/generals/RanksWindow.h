// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogWindow.h"

class QLabel;
class QListWidget;

namespace stratagon {

// "Dienstgrade": the rank ladder with the EP range of every rank, centred
// over the roster when it opens.
class RanksWindow : public DialogWindow {
    Q_OBJECT
public:
    explicit RanksWindow(QWidget* roster);

    QListWidget* rankList() const { return list_; }
    QLabel* note() const { return note_; }

private:
    // The ladder in the current language.
    void showRanks();
    QListWidget* list_ = nullptr;
    QLabel* note_ = nullptr;
};

}  // namespace stratagon
