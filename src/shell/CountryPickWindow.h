// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/PickWindow.h"

class QLabel;
class QListWidget;

namespace stratagon {

struct WorldState;

// "Welches Land ?": the map's countries in German order, the player's side
// (world.side[0]) standing selected and `current` named above them; "OK" on
// a chosen one reports it.
class CountryPickWindow : public PickWindow {
    Q_OBJECT
public:
    CountryPickWindow(const WorldState& world, const QString& current, QWidget* parent);

    QListWidget* countryList() const { return list_; }
    QString currentText() const;

signals:
    // The country's index in the world.
    void chosen(int country);

private:
    void accept() override;

    QLabel* currentLabel_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace stratagon
