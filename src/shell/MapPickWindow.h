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
    void checked(int row, const stratagon::MapEntry& entry);

protected:
    void run() override;

private:
    MapCatalog catalog_;
};

class AppPaths;

// "Welche Karte ?": every map in the folders, with its continent and number
// of countries; one that cannot be played is greyed with the reason and
// cannot be chosen. The map named `current` stands selected; "OK" or a double
// click reports the chosen one, "Abbrechen" reports none. Maps not seen
// before are checked on a worker thread and listed as being checked meanwhile.
class MapPickWindow : public PickWindow {
    Q_OBJECT
public:
    MapPickWindow(const AppPaths& paths, const QString& current, QWidget* parent);
    ~MapPickWindow() override;

    QListWidget* mapList() const { return list_; }
    // True while maps are still being checked.
    bool checking() const { return checker_ != nullptr; }

signals:
    // The map's name, without the file's extension.
    void chosen(const QString& name);

private:
    void accept() override;
    void showEntry(int row);
    // The reasons of the refused maps, in the language now in use.
    void sayRefusalsAgain();
    void takeVerdict(int row, const MapEntry& checked);

    QString current_;
    QStringList folders_;
    QString language_;  // of the reasons shown
    QList<MapEntry> maps_;
    QListWidget* list_ = nullptr;
    MapChecker* checker_ = nullptr;
};

}  // namespace stratagon
