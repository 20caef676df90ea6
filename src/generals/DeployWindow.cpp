// SPDX-License-Identifier: GPL-3.0-or-later
#include "generals/DeployWindow.h"

#include "mapview/GuideNote.h"
#include "platform/Dialogs.h"
#include "session/GameText.h"
#include "platform/Paths.h"
#include "platform/Retranslate.h"
#include "platform/WindowStyle.h"
#include "simulation/Battle.h"
#include "simulation/Odds.h"
#include "simulation/PlayerActions.h"
#include "world/Ranks.h"
#include "world/WorldState.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace stratagon {

namespace {

void setReadiness(QLabel* label, const QString& text, Qt::GlobalColor colour)
{
    label->setText(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    // Pure green and red on a near-black box: readable (contrast 14 : 1 and
    // 5 : 1), where green on the light window is not.
    palette.setColor(QPalette::Window, QColor(24, 24, 24));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setContentsMargins(4, 1, 4, 1);
    label->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
}

QString targetText(const WorldState& world, int target)
{
    if (!validCountry(world, target))
        return DeployWindow::tr("Ziel : -");
    const int holder = world.countryOwner[target];
    if (validSideIndex(holder) && holder != target)
        return DeployWindow::tr("Ziel : %1, gehalten von %2")
            .arg(gametext::name(world.countryName[target]), gametext::name(world.countryName[holder]));
    return DeployWindow::tr("Ziel : %1").arg(gametext::name(world.countryName[target]));
}

// The general who would defend: the holder's best one not in battle, as the
// attack will pick him; none leaves the country to the stand-in slot 0.
int defendingGeneral(const WorldState& world, int target)
{
    if (!validCountry(world, target) || !validSideIndex(world.countryOwner[target]))
        return 0;
    return bestGeneral(world, world.countryOwner[target]);
}

QString defenderText(const WorldState& world, int target)
{
    const int slot = defendingGeneral(world, target);
    if (slot == 0)
        return DeployWindow::tr("Verteidiger : kein General bereit");
    const int holder = world.countryOwner[target];
    const int32_t ep = world.generalEP[holder][slot];
    return DeployWindow::tr("Verteidiger : %1, %2, %3 EP")
        .arg(qs(world.generalName[holder][slot]), gametext::rankName(ep), QString::number(ep));
}

// The attacker's chance with `ep` against the target's defender; below 0
// when there is nothing to attack.
double chanceAgainst(const WorldState& world, int target, int32_t ep) { return chanceAgainstHolder(world, target, ep); }

// One row of the list: who he is, what he is doing, and his chance here.
QString generalLine(const WorldState& world, int player, int slot, int target)
{
    const int32_t ep = world.generalEP[player][slot];
    QString line = DeployWindow::tr("%1 – %2, %3 EP – %4")
                       .arg(qs(world.generalName[player][slot]), gametext::rankName(ep), QString::number(ep),
                            gametext::statusName(world.generalStatus[player][slot]));
    const double chance = chanceAgainst(world, target, ep);
    if (generalReady(world, player, slot) && chance >= 0)
        line += QStringLiteral(" – %1 %").arg(qRound(chance * 100));
    return line;
}

}  // namespace

DeployWindow::DeployWindow(GameContext game, int target, QWidget* gameWindow)
    : DialogWindow(gameWindow, Qt::WindowModal), game_(game), target_(target), hold_(game.session.hold())
{
    auto* prompt = new QLabel(this);
    prompt->setWordWrap(true);

    const WorldState& world = game_.world;
    auto* targetLabel = new QLabel(this);
    targetLabel->setObjectName(QStringLiteral("targetLabel"));
    QFont targetFont = targetLabel->font();
    targetFont.setBold(true);
    targetLabel->setFont(targetFont);
    auto* defenderLabel = new QLabel(this);
    defenderLabel->setObjectName(QStringLiteral("defenderLabel"));

    generalList_ = new QListWidget(this);
    generalList_->setObjectName(QStringLiteral("generalList"));
    const int player = world.side[0];
    if (validSideIndex(player)) {
        const int count = std::clamp(world.generalCount[static_cast<std::size_t>(player)], 0, MaxGenerals);
        for (int slot = 1; slot <= count; ++slot) {
            auto* item = new QListWidgetItem(generalList_);
            // One row a slot; a general in battle stays in view, greyed, but
            // cannot be chosen.
            if (!generalReady(world, player, slot))
                item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        }
    }
    // A choice is a selection: the list's own current row on focus is none.
    connect(generalList_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = generalList_->selectedItems();
        chooseGeneral(selected.isEmpty() ? -1 : generalList_->row(selected.first()));
    });
    connect(generalList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        chooseGeneral(generalList_->row(item));
        attack();
    });

    epLabel_ = new QLabel(QStringLiteral("-"), this);
    epLabel_->setObjectName(QStringLiteral("epLabel"));
    rankLabel_ = new QLabel(QStringLiteral("-"), this);
    rankLabel_->setObjectName(QStringLiteral("rankLabel"));
    readinessLabel_ = new QLabel(this);
    readinessLabel_->setObjectName(QStringLiteral("readinessLabel"));
    QFont bold = readinessLabel_->font();
    bold.setBold(true);
    readinessLabel_->setFont(bold);
    taskLabel_ = new QLabel(QStringLiteral("-"), this);
    taskLabel_->setObjectName(QStringLiteral("taskLabel"));
    chanceLabel_ = new QLabel(QStringLiteral("-"), this);
    chanceLabel_->setObjectName(QStringLiteral("chanceLabel"));
    chanceLabel_->setFont(bold);

    std::array<QLabel*, 5> captions{};
    auto* values = new QGridLayout;
    const std::array<QLabel*, 5> valueLabels{epLabel_, rankLabel_, readinessLabel_, taskLabel_, chanceLabel_};
    for (std::size_t row = 0; row < captions.size(); ++row) {
        captions[row] = new QLabel(this);
        values->addWidget(captions[row], static_cast<int>(row), 0);
        values->addWidget(valueLabels[row], static_cast<int>(row), 1);
    }
    values->setColumnStretch(1, 1);

    attackButton_ = new QPushButton(this);
    attackButton_->setObjectName(QStringLiteral("launchAttack"));
    cancelButton_ = new QPushButton(this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    connect(attackButton_, &QPushButton::clicked, this, &DeployWindow::attack);
    connect(cancelButton_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(attackButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new GuideNote(game_.session, this));
    layout->addWidget(targetLabel);
    layout->addWidget(defenderLabel);
    layout->addWidget(prompt);
    layout->addWidget(generalList_, 1);
    layout->addLayout(values);
    layout->addLayout(buttons);
    resize(520, 440);
    centreOver(*this, gameWindow);

    followLanguage(this, [=, this] {
        setWindowTitle(tr("General für den Kampf einsetzen"));
        generalList_->setAccessibleName(tr("Generäle"));
        prompt->setText(tr("Wählen sie aus welcher General für das Ziel eingesetzt werden soll :"));
        captions[0]->setText(tr("Erfahrungspunkte : "));
        captions[1]->setText(tr("Rang :"));
        captions[2]->setText(tr("Bereitschaft :"));
        captions[3]->setText(tr("Aufgabe :"));
        captions[4]->setText(tr("Siegchance :"));
        attackButton_->setText(tr("Land angreifen"));
        cancelButton_->setText(tr("Abbrechen"));
        // The game's data in the current language too.
        const WorldState& w = game_.world;
        targetLabel->setText(targetText(w, target_));
        defenderLabel->setText(defenderText(w, target_));
        for (int row = 0; row < generalList_->count(); ++row)
            generalList_->item(row)->setText(generalLine(w, w.side[0], row + 1, target_));
        chooseGeneral(chosenSlot_ - 1);
        describe(targetLabel->text(), defenderLabel->text());
    });

    // The best general who can go stands chosen: Enter sends him.
    if (const int best = validSideIndex(player) ? bestGeneral(world, player) : 0)
        generalList_->setCurrentRow(best - 1);
    // The list has the keys: arrows choose, Return attacks, Escape cancels.
    generalList_->setFocus();
    describe(targetLabel->text(), defenderLabel->text());
    // The labels belong to the list: a screen reader says the window's title,
    // then its description, in which the target and defender come first.
    for (QLabel* label : {prompt, targetLabel, defenderLabel})
        label->setBuddy(generalList_);
    setTabOrder(generalList_, attackButton_);
    setTabOrder(attackButton_, cancelButton_);
}

void DeployWindow::chooseGeneral(int row)
{
    const WorldState& world = game_.world;
    const int player = world.side[0];
    const int slot = row + 1;
    if (row < 0 || !validSideIndex(player) ||
        slot > std::min(world.generalCount[static_cast<std::size_t>(player)], MaxGenerals)) {
        // No choice left: nothing to attack with, nothing to describe.
        chosenSlot_ = 0;
        for (QLabel* label : {epLabel_, rankLabel_, taskLabel_, chanceLabel_})
            label->setText(QStringLiteral("-"));
        setReadiness(readinessLabel_, tr("N.A."), Qt::red);
        return;
    }
    chosenSlot_ = slot;
    const auto s = static_cast<std::size_t>(player);
    const auto j = static_cast<std::size_t>(slot);
    const int32_t ep = world.generalEP[s][j];
    epLabel_->setText(QString::number(ep));
    rankLabel_->setText(gametext::rankName(ep));
    taskLabel_->setText(gametext::statusName(world.generalStatus[s][j]));
    // In training counts as ready: only a general in battle is not.
    if (generalReady(world, player, slot))
        setReadiness(readinessLabel_, tr("Bereit"), Qt::green);
    else
        setReadiness(readinessLabel_, tr("N. Bereit"), Qt::red);
    const double chance = chanceAgainst(world, target_, ep);
    if (chance >= 0)
        chanceLabel_->setText(generalReady(world, player, slot) ? QStringLiteral("%1 %").arg(qRound(chance * 100))
                                                                : QStringLiteral("-"));
}

void DeployWindow::describe(const QString& target, const QString& defender)
{
    // Said when the window opens: what Return would do before the player looks.
    const WorldState& world = game_.world;
    const int player = world.side[0];
    const int slot = validSideIndex(player) ? bestGeneral(world, player) : 0;
    QString general = tr("Kein General bereit.");
    if (slot > 0) {
        const double chance = chanceAgainst(world, target_, world.generalEP[player][slot]);
        general = tr("Vorgewählt: %1, Siegchance %2 %. Eingabetaste greift an.")
                      .arg(qs(world.generalName[player][slot]))
                      .arg(qRound(std::max(chance, 0.0) * 100));
    }
    setAccessibleDescription(QStringLiteral("%1. %2. %3").arg(target, defender, general));
}

void DeployWindow::attack()
{
    if (attacked_)
        return;
    Dialogs& dialogs = game_.dialogs;
    if (chosenSlot_ == 0) {
        dialogs.message(this, tr("Wähle zuerst einen General aus der Liste."), tr("Kein General"));
        return;
    }
    switch (game_.session.attack(target_, chosenSlot_)) {
    case AttackOutcome::NotReady:
        dialogs.message(this, tr("Der angewählte General ist nicht bereit !!!"), tr("Nicht bereit"));
        return;
    case AttackOutcome::CountryContested:
        dialogs.message(this,
                        tr("Es tobt eine Schlacht in dem Land! Deine Truppen wollen die Schlacht "
                           "erst führen, wenn die jetzige Schlacht beendet ist."),
                        tr("Schlacht!"));
        break;
    case AttackOutcome::TooManyBattles:
        dialogs.message(this,
                        tr("Sie können in dieser Version nur bis zu 25 Kämpfe gleichzeitig "
                           "durchführen !"),
                        tr("Zuviele Kämpfe !"));
        break;
    case AttackOutcome::NoTarget:
    case AttackOutcome::Launched:
        break;
    }
    attacked_ = true;
    close();
}

void DeployWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        attack();
        return;
    default:
        DialogWindow::keyPressEvent(event);
    }
}

void DeployWindow::closeEvent(QCloseEvent* event)
{
    // Every way out, the frame's close box included, gives the game back.
    hold_.release();
    emit closed();
    DialogWindow::closeEvent(event);
}

}  // namespace stratagon
