// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/MapCatalog.h"
#include "shell/PickWindow.h"

class QListWidget;

namespace stratagon {

// "Welche Karte ?": every map that can be played, with its continent and
// number of countries; "OK" or a double click chooses one for the new game,
// "Abbrechen" keeps the current one. Every way out enables the new-game
// window again.
class MapPickWindow : public PickWindow {
    Q_OBJECT
public:
    explicit MapPickWindow(Program& program);

    QListWidget* mapList() const { return list_; }

private:
    void accept() override;

    QList<MapEntry> maps_;
    QListWidget* list_ = nullptr;
};

}  // namespace stratagon
