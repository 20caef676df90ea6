// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogWindow.h"
#include "session/GameContext.h"
#include "session/GameSession.h"

class QPushButton;
class QTreeWidget;
class QVBoxLayout;

namespace stratagon {

// "Generalliste": the player's generals, row i showing slot i, centred over
// the game's window, which stays usable, when it opens. The clock stands
// still while it is open. What it asks of the ranks and task windows goes
// out as signals.
class GeneralListWindow : public DialogWindow {
    Q_OBJECT
public:
    GeneralListWindow(GameContext game, QWidget* gameWindow);

    // Rebuilds the list after a task was given; nothing when not open.
    void form2_start();

    QTreeWidget* list() const { return list_; }

    // The buttons' actions.
    void recruitGeneral();  // "Neuer Unteroffizier"
    void dismissGeneral();  // "General  löschen"
    void openTask();        // "Aufgabe"

signals:
    // "Dienstgrade".
    void ranksRequested();
    // "Aufgabe" on row `slot`, with that row's EP and name texts.
    void taskRequested(int slot, const QString& epText, const QString& name);
    // `slot` is gone; the generals behind it moved up one row.
    void generalDismissed(int slot);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    int selectedRow() const;  // 0-based, -1 for none
    QPushButton* addButton(const char* name);
    // The ranks and tasks of the rows in the current language.
    void showGameTexts();

    GameContext game_;
    ClockHold hold_;  // the main window itself stays usable
    QTreeWidget* list_ = nullptr;
    QVBoxLayout* buttons_ = nullptr;
};

}  // namespace stratagon
