#pragma once

#include "shell/MapCatalog.h"

#include <QWidget>

class QListWidget;

namespace stratagon {

class Program;

// "Welche Karte ?": every map that can be played, with its continent and
// number of countries; "OK" or a double click chooses one for the new game,
// "Abbrechen" keeps the current one. Every way out enables the new-game
// window again.
class MapPickWindow : public QWidget {
    Q_OBJECT
public:
    explicit MapPickWindow(Program& program);

    QListWidget* mapList() const { return list_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void accept();

    Program& program_;
    QList<MapEntry> maps_;
    QListWidget* list_ = nullptr;
};

}  // namespace stratagon
