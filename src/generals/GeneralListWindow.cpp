// SPDX-License-Identifier: GPL-3.0-or-later
#include "generals/GeneralListWindow.h"

#include "mapview/GuideNote.h"
#include "platform/Dialogs.h"
#include "platform/KeyboardAccess.h"
#include "session/GameText.h"
#include "platform/Paths.h"
#include "platform/Retranslate.h"
#include "platform/WindowStyle.h"
#include "session/GameSession.h"
#include "simulation/PlayerActions.h"
#include "simulation/Roster.h"
#include "world/Ranks.h"
#include "world/WorldState.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace stratagon {

namespace {

// The question before a dismissal names the general, and the battle he
// would leave behind.
QString dismissQuestion(const WorldState& world, int slot)
{
    const int p = world.side[0];
    const QString name = validSideIndex(p) && validSlot(slot) ? qs(world.generalName[p][slot]) : QString();
    for (int b = 1; b <= world.battleCount && b <= MaxBattles; ++b) {
        const bool his = (world.battles[b].attacker == p && world.battles[b].attackerGeneral == slot) ||
                         (world.battles[b].defender == p && world.battles[b].defenderGeneral == slot);
        if (his && validSideIndex(world.battles[b].country))
            return GeneralListWindow::tr("%1 führt gerade die Schlacht um %2. Entlässt du ihn, geht diese "
                                         "Schlacht verloren.\n\nWillst du %1 trotzdem entlassen?")
                .arg(name, gametext::name(world.countryName[world.battles[b].country]));
    }
    return GeneralListWindow::tr("Willst du %1 wirklich entlassen?").arg(name);
}

}  // namespace

GeneralListWindow::GeneralListWindow(GameContext game, QWidget* gameWindow)
    : DialogWindow(gameWindow, Qt::NonModal), game_(game)
{
    useDarkGreenBackground(*this);

    list_ = new QTreeWidget(this);
    list_->setColumnCount(4);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSortingEnabled(false);  // row i must stay slot i
    list_->header()->setSectionsMovable(false);
    // Every column as wide as its widest text, at any text size.
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setMinimumSectionSize(list_->fontMetrics().averageCharWidth() * 12);

    buttons_ = new QVBoxLayout;
    QPushButton* recruit = addButton("recruitButton");
    QPushButton* dismiss = addButton("dismissButton");
    QPushButton* task = addButton("taskButton");
    QPushButton* ranks = addButton("ranksButton");
    QPushButton* end = addButton("closeButton");
    connect(recruit, &QPushButton::clicked, this, &GeneralListWindow::recruitGeneral);
    connect(dismiss, &QPushButton::clicked, this, &GeneralListWindow::dismissGeneral);
    connect(task, &QPushButton::clicked, this, &GeneralListWindow::openTask);
    connect(ranks, &QPushButton::clicked, this, &GeneralListWindow::ranksRequested);
    connect(end, &QPushButton::clicked, this, &QWidget::close);
    buttons_->addStretch();
    followLanguage(this, [=, this] {
        setWindowTitle(tr("Generalliste"));
        list_->setAccessibleName(tr("Generalliste"));
        list_->setHeaderLabels({tr("Genräle"), tr("Rang"), tr("Erfahrungspunkte"), tr("Aufgabe")});
        recruit->setText(tr("Neuer Unteroffizier"));
        dismiss->setText(tr("General  löschen"));
        task->setText(tr("Aufgabe"));
        ranks->setText(tr("Dienstgrade"));
        end->setText(tr("Ende"));
        showGameTexts();
    });

    auto* row = new QHBoxLayout;
    row->addWidget(list_, 1);
    row->addLayout(buttons_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new GuideNote(game_.session, this));
    layout->addLayout(row, 1);
    // 800 × 360 at the usual text size, grown with it as far as the screen allows.
    const double grown = textSizePercent() / 100.0;
    resize(qRound(800 * grown), qRound(360 * grown));
    centreOver(*this, gameWindow);

    load();
    // The list has the keys: arrows choose a general (none is chosen before,
    // so that no button acts on one unasked), Return opens his task.
    connect(list_, &QTreeWidget::activated, this, &GeneralListWindow::openTask);
    list_->setFocus();
}

QPushButton* GeneralListWindow::addButton(const char* name)
{
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumWidth(150);
    buttons_->addWidget(button);
    return button;
}

void GeneralListWindow::load()
{
    hold_ = game_.session.hold();

    const WorldState& world = game_.world;
    const int p = world.side[0];
    if (!validSideIndex(p))
        return;
    for (int s = 1; s <= world.generalCount[p] && s <= MaxGenerals; ++s) {
        new QTreeWidgetItem(list_,
                            {qs(world.generalName[p][s]), gametext::rankName(world.generalEP[p][s]),
                             QString::number(world.generalEP[p][s]), gametext::statusName(world.generalStatus[p][s])});
    }
}

void GeneralListWindow::showGameTexts()
{
    const WorldState& world = game_.world;
    const int p = world.side[0];
    if (!validSideIndex(p))
        return;
    int fighting = 0;
    for (int s = 1; s <= world.generalCount[p] && s <= MaxGenerals; ++s)
        fighting += world.generalStatus[p][s] == InBattle ? 1 : 0;
    setAccessibleDescription(
        tr("Deine Generäle: %1, davon in einer Schlacht: %2.").arg(world.generalCount[p]).arg(fighting));
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        const int s = row + 1;
        if (!validSlot(s) || s > world.generalCount[p])
            break;
        QTreeWidgetItem* item = list_->topLevelItem(row);
        item->setText(1, gametext::rankName(world.generalEP[p][s]));
        item->setText(3, gametext::statusName(world.generalStatus[p][s]));
    }
}

void GeneralListWindow::form2_start()
{
    list_->clear();
    load();
}

void GeneralListWindow::closeEvent(QCloseEvent* event)
{
    hold_.release();
    DialogWindow::closeEvent(event);
}

int GeneralListWindow::selectedRow() const
{
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return -1;
    return list_->indexOfTopLevelItem(selected.front());
}

void GeneralListWindow::recruitGeneral()
{
    WorldState& world = game_.world;
    const int p = world.side[0];
    if (!validSideIndex(p) || world.generalCount[p] >= MaxGenerals) {
        game_.dialogs.message(this, tr("Ne mehr Generäle gibt es nicht :)"), tr("Generäle"));
        return;
    }
    // A name of its own for every recruit, different in every game.
    const QString name = game_.dialogs.input(this, tr("Geben sie den Namen des Unteroffiziers ein :"),
                                             tr("Neuer Unteroffizier"),
                                             qs(recruitName(world, p, game_.session.random())));
    if (game_.session.recruit(ss(name)) != RecruitOutcome::Recruited)
        return;
    // The name as the roster keeps it: a very long one is cut.
    new QTreeWidgetItem(list_, {qs(world.generalName[p][world.generalCount[p]]), gametext::rankName(1),
                                QStringLiteral("1"), gametext::statusName(Training)});
}

void GeneralListWindow::dismissGeneral()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const int slot = row + 1;
    if (!game_.dialogs.question(this, dismissQuestion(game_.world, slot), tr("General  löschen")))
        return;
    if (!game_.session.dismiss(slot))
        return;
    delete list_->takeTopLevelItem(row);
    // No selection moves onto the next general: a second press must not
    // dismiss him unasked.
    list_->clearSelection();
    emit generalDismissed(slot);
}

void GeneralListWindow::openTask()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const QTreeWidgetItem* item = list_->topLevelItem(row);
    emit taskRequested(row + 1, item->text(2), item->text(0));
}

}  // namespace stratagon
