#include "shell/MapPickWindow.h"

#include "platform/AppPaths.h"
#include "platform/WindowStyle.h"
#include "shell/NewGameWindow.h"
#include "shell/Program.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace stratagon {

MapPickWindow::MapPickWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Welche Karte ?"));
    useCompactFont(*this);
    setFixedSize(280, 240);
    useDarkGreenBackground(*this);

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

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(8, 206, 125, 25);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setGeometry(147, 206, 125, 25);
    connect(ok, &QPushButton::clicked, this, &MapPickWindow::accept);
    connect(list_, &QListWidget::itemActivated, this, &MapPickWindow::accept);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

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

void MapPickWindow::closeEvent(QCloseEvent* event)
{
    if (NewGameWindow* newGame = program_.newGameWindow()) {
        newGame->setEnabled(true);
        newGame->raise();
        newGame->activateWindow();
    }
    event->accept();
}

}  // namespace stratagon
