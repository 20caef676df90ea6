// SPDX-License-Identifier: GPL-3.0-or-later
#include "generals/TaskWindow.h"

#include "generals/GeneralListWindow.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/WindowStyle.h"
#include "shell/Program.h"
#include "simulation/PlayerActions.h"
#include "world/Ranks.h"
#include "world/WorldState.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace stratagon {

TaskWindow::TaskWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Aufgabe des Generals"));
    useDarkGreenBackground(*this);

    tasks_ = new QListWidget(this);
    tasks_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* give = new QPushButton(QStringLiteral("Aufgabe geben"), this);
    auto* cancel = new QPushButton(QStringLiteral("Abbruch"), this);
    connect(give, &QPushButton::clicked, this, &TaskWindow::giveTask);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(give);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tasks_);
    layout->addLayout(buttons);
    resize(360, 170);
    centreOver(*this, program_.generalListWindow());
}

bool TaskWindow::openFor(int slot, const QString& epText, const QString& name, bool wasOpen)
{
    General = slot;
    setWindowTitle(QStringLiteral("Aufgabe für ") + qs(rankName(epText.toInt())) + QLatin1Char(' ') + name);

    const WorldState& world = program_.world;
    const int p = world.side[0];
    if (validSideIndex(p) && validSlot(slot) && world.generalStatus[p][slot] == InBattle) {
        refuse();
        return false;
    }
    if (!wasOpen) {
        tasks_->clear();
        tasks_->addItems({QStringLiteral("Zur Verfügung bereithalten"), QStringLiteral("General ausbilden")});
        tasks_->setCurrentRow(0);
    }
    show();
    raise();
    activateWindow();
    return true;
}

void TaskWindow::refuse()
{
    QWidget* parent = program_.generalListWindow();
    program_.dialogs.message(parent ? parent : this,
                             QStringLiteral("Der ausgewählte General führt gerade eine Schlacht!!! "
                                            "Die Aufgabe kann nicht gewechselt werden!!!"),
                             QStringLiteral("Schlacht"));
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
    if (setGeneralTask(program_.world, General, task) == TaskOutcome::InBattle) {
        refuse();
        return;
    }
    if (GeneralListWindow* roster = program_.generalListWindow())
        roster->form2_start();
    close();
}

}  // namespace stratagon
