// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MapPickWindow.h"

#include "platform/AppPaths.h"
#include "platform/WindowStyle.h"
#include "shell/NewGameWindow.h"
#include "shell/Program.h"

#include <QLabel>
#include <QListWidget>

namespace stratagon {

MapPickWindow::MapPickWindow(Program& program)
    : PickWindow(program, QStringLiteral("Welche Karte ?"), QSize(280, 240))
{
    maps_ = listMaps(program_.paths().mapFolders());
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("mapList"));
    list_->setGeometry(8, 8, 264, 190);
    const NewGameWindow* newGame = program_.newGameWindow();
    for (const MapEntry& map : maps_) {
        list_->addItem(QStringLiteral("%1 – %2, %3 Länder").arg(map.name, map.continent).arg(map.countries));
        // The current map stands selected, so "OK" alone keeps it.
        if (newGame && map.name == newGame->mapName())
            list_->setCurrentRow(list_->count() - 1);
    }

    addPickButtons(list_, 206, 125);

    centreOnScreen(*this);
}

void MapPickWindow::accept()
{
    const int row = list_->currentRow();
    if (row >= 0 && row < maps_.size() && list_->currentItem()->isSelected()) {
        program_.preferences().setMapName(maps_[row].name);
        if (NewGameWindow* newGame = program_.newGameWindow())
            newGame->useMap(maps_[row].name);
    }
    close();
}

}  // namespace stratagon
