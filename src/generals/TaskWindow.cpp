// SPDX-License-Identifier: GPL-3.0-or-later
#include "generals/TaskWindow.h"

#include "mapview/GuideNote.h"
#include "platform/Dialogs.h"
#include "session/GameText.h"
#include "platform/Paths.h"
#include "platform/Retranslate.h"
#include "platform/WindowStyle.h"
#include "session/GameSession.h"
#include "simulation/PlayerActions.h"
#include "world/Ranks.h"
#include "world/WorldState.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace stratagon {

TaskWindow::TaskWindow(GameContext game, QWidget* roster)
    : DialogWindow(roster, Qt::WindowModal), game_(game), roster_(roster)
{
    useDarkGreenBackground(*this);

    tasks_ = new QListWidget(this);
    tasks_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* give = new QPushButton(this);
    auto* cancel = new QPushButton(this);
    followLanguage(this, [=, this] {
        showTitle();
        tasks_->setAccessibleName(tr("Aufgaben"));
        give->setText(tr("Aufgabe geben"));
        cancel->setText(tr("Abbruch"));
        if (tasks_->count() == 2) {
            tasks_->item(0)->setText(tr("Zur Verfügung bereithalten"));
            tasks_->item(1)->setText(tr("General ausbilden"));
        }
        describe();
    });
    connect(give, &QPushButton::clicked, this, &TaskWindow::giveTask);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    // Return (or a double click) on a task gives it; the list has the keys.
    connect(tasks_, &QListWidget::activated, this, &TaskWindow::giveTask);
    tasks_->setFocus();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(give);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new GuideNote(game_.session, this));
    layout->addWidget(tasks_);
    layout->addLayout(buttons);
    resize(360, 170);
    centreOver(*this, roster);
}

bool TaskWindow::openFor(int slot, const QString& epText, const QString& name, bool wasOpen)
{
    General = slot;
    titleRank_ = epText.toInt();
    titleName_ = name;
    showTitle();

    const WorldState& world = game_.world;
    const int p = world.side[0];
    if (validSideIndex(p) && validSlot(slot) && world.generalStatus[p][slot] == InBattle) {
        refuse();
        return false;
    }
    if (!wasOpen) {
        tasks_->clear();
        tasks_->addItems({tr("Zur Verfügung bereithalten"), tr("General ausbilden")});
        // His own task stands chosen: OK alone changes nothing unasked.
        const bool training = validSideIndex(p) && validSlot(slot) && world.generalStatus[p][slot] == Training;
        tasks_->setCurrentRow(training ? 1 : 0);
        describe();
    }
    show();
    raise();
    activateWindow();
    return true;
}

void TaskWindow::describe()
{
    // Said as the window opens: what he does now, before the list is read.
    if (QListWidgetItem* task = tasks_->currentItem())
        setAccessibleDescription(tr("Jetzige Aufgabe: %1.").arg(task->text()));
}

void TaskWindow::showTitle()
{
    if (titleName_.isNull())
        setWindowTitle(tr("Aufgabe des Generals"));
    else
        setWindowTitle(tr("Aufgabe für %1 %2").arg(gametext::rankName(titleRank_), titleName_));
}

void TaskWindow::refuse()
{
    // A roster closed meanwhile waits hidden for its delete.
    QWidget* parent = roster_ && roster_->isVisible() ? roster_.data() : this;
    game_.dialogs.message(parent,
                          tr("Der ausgewählte General führt gerade eine Schlacht!!! "
                             "Die Aufgabe kann nicht gewechselt werden!!!"),
                          tr("Schlacht"));
    close();
}

void TaskWindow::generalDismissed(int slot)
{
    if (General == slot)
        close();
    else if (General > slot)
        --General;
}

void TaskWindow::giveTask()
{
    const GeneralStatus task = tasks_->currentRow() == 1 ? Training : Ready;
    // He may have been sent into battle since the window opened (the
    // deploy window restarts the clock while the roster is open).
    if (game_.session.setTask(General, task) == TaskOutcome::InBattle) {
        refuse();
        return;
    }
    emit taskGiven();
    close();
}

}  // namespace stratagon
