// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/PickWindow.h"

class QLabel;
class QListWidget;

namespace stratagon {

// "Welches Land ?": the map's countries; "OK" on a chosen one makes it the
// player's side. Every way out enables the new-game window again.
class CountryPickWindow : public PickWindow {
    Q_OBJECT
public:
    explicit CountryPickWindow(Program& program);

    QListWidget* countryList() const { return list_; }
    QString currentText() const;

private:
    void accept() override;

    QLabel* currentLabel_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace stratagon
