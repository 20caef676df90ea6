// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/GameSession.h"

#include <QStringList>
#include <QWidget>

class QPushButton;
class QTreeWidget;
class QVBoxLayout;

namespace stratagon {

class Program;

// "Generalliste": the player's generals, row i showing slot i. The clock
// stands still while it is open.
class GeneralListWindow : public QWidget {
    Q_OBJECT
public:
    explicit GeneralListWindow(Program& program);

    // Rebuilds the list after a task was given; nothing when not open.
    void form2_start();

    QTreeWidget* list() const { return list_; }

    // The buttons' actions.
    void recruitGeneral();   // "Neuer Unteroffizier"
    void dismissGeneral();   // "General  löschen"
    void openTask();         // "Aufgabe"

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    int selectedRow() const;  // 0-based, -1 for none
    QPushButton* addButton(const QString& caption);

    Program& program_;
    ClockHold hold_;  // the main window itself stays usable
    QTreeWidget* list_ = nullptr;
    QVBoxLayout* buttons_ = nullptr;
    QStringList suggestedNames_;
    int defaultNameCursor_ = -1;
};

}  // namespace stratagon
