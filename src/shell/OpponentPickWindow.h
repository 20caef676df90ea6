#pragma once

#include <QWidget>

class QListWidget;

namespace stratagon {

class Program;

// "Wie viele Gegner ?": 1 to 5 computer opponents for the new game; "OK" or
// a double click chooses, "Abbrechen" keeps the current number. The choice is
// kept in the preferences. Every way out enables the new-game window again.
class OpponentPickWindow : public QWidget {
    Q_OBJECT
public:
    explicit OpponentPickWindow(Program& program);

    QListWidget* countList() const { return list_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void accept();

    Program& program_;
    QListWidget* list_ = nullptr;
};

}  // namespace stratagon
