// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogWindow.h"
#include "session/GameContext.h"

#include <QPointer>

class QListWidget;

namespace stratagon {

// "Aufgabe für ...": holds a general of the player ready or trains him. It
// opens centred over the roster, which waits meanwhile and carries its
// refusals. The task the general has now stands chosen.
class TaskWindow : public DialogWindow {
    Q_OBJECT
public:
    TaskWindow(GameContext game, QWidget* roster);

    // The roster open now, when it is another than the one it opened over.
    void setRoster(QWidget* roster) { roster_ = roster; }

    // The slot of side(0) whose task is being set.
    int General = 0;

    // The roster's "Aufgabe" for row `slot`, with the EP and name texts of
    // that row. A general in battle is refused and the window closes; else it
    // is filled (unless it was open already) and shown. False when refused.
    bool openFor(int slot, const QString& epText, const QString& name, bool wasOpen);

    // The roster dismissed `slot`: keep pointing at the same general, or
    // close when he was the one dismissed.
    void generalDismissed(int slot);

    QListWidget* taskList() const { return tasks_; }

    void giveTask();  // "Aufgabe geben"

signals:
    // A task was set: the roster shows it.
    void taskGiven();

private:
    void refuse();
    void showTitle();
    // The window's accessible description: the general's task now.
    void describe();

    GameContext game_;
    QPointer<QWidget> roster_;
    QListWidget* tasks_ = nullptr;
    // Whose task the title names (his EP and name); none before openFor.
    int titleRank_ = 0;
    QString titleName_;
};

}  // namespace stratagon
