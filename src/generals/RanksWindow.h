// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace stratagon {

class Program;

// "Dienstgrade": the rank ladder with the EP range of every rank.
class RanksWindow : public QWidget {
    Q_OBJECT
public:
    explicit RanksWindow(Program& program);

    QListWidget* rankList() const { return list_; }
    QLabel* note() const { return note_; }

private:
    Program& program_;
    QListWidget* list_ = nullptr;
    QLabel* note_ = nullptr;
};

}  // namespace stratagon
