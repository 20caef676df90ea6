// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/MapCatalog.h"
#include "shell/PickWindow.h"

#include <QThread>

class QListWidget;
class QListWidgetItem;

namespace stratagon {

// Checks the maps a catalog has not checked yet, one after the other, and
// stores the verdicts when done or stopped.
class MapChecker : public QThread {
    Q_OBJECT
public:
    explicit MapChecker(MapCatalog catalog) : catalog_(std::move(catalog)) {}

signals:
    void checked(int row, const QString& continent, int countries, const QString& problem);

protected:
    void run() override;

private:
    MapCatalog catalog_;
};

// "Welche Karte ?": every map in the folders, with its continent and number
// of countries; one that cannot be played is greyed with the reason and
// cannot be chosen. "OK" or a double click chooses one for the new game,
// "Abbrechen" keeps the current one. Every way out enables the new-game
// window again. Maps not seen before are checked on a worker thread and
// listed as being checked meanwhile.
class MapPickWindow : public PickWindow {
    Q_OBJECT
public:
    explicit MapPickWindow(Program& program);
    ~MapPickWindow() override;

    QListWidget* mapList() const { return list_; }
    // True while maps are still being checked.
    bool checking() const { return checker_ != nullptr; }

private:
    void accept() override;
    void showEntry(int row);
    void takeVerdict(int row, const QString& continent, int countries, const QString& problem);

    QList<MapEntry> maps_;
    QListWidget* list_ = nullptr;
    MapChecker* checker_ = nullptr;
};

}  // namespace stratagon
