#include "generals/DeployWindow.h"

#include "mapview/MainWindow.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "shell/Program.h"
#include "simulation/PlayerActions.h"
#include "world/Ranks.h"
#include "world/WorldState.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace stratagon {

namespace {

void setReadiness(QLabel* label, const QString& text, Qt::GlobalColor colour)
{
    label->setText(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace

DeployWindow::DeployWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("General für den Kampf einsetzen"));

    auto* prompt = new QLabel(
        QStringLiteral("Wählen sie aus welcher General für das Ziel eingesetzt werden soll :"), this);
    prompt->setWordWrap(true);

    generalList_ = new QListWidget(this);
    generalList_->setObjectName(QStringLiteral("generalList"));
    const WorldState& world = program_.world;
    const int player = world.side[0];
    if (validSideIndex(player)) {
        const int count = std::clamp(world.generalCount[static_cast<std::size_t>(player)], 0, MaxGenerals);
        for (int slot = 1; slot <= count; ++slot)
            generalList_->addItem(qs(world.generalName[static_cast<std::size_t>(player)][static_cast<std::size_t>(slot)]));
    }
    // A choice is a selection: the list's own current row on focus is none.
    connect(generalList_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = generalList_->selectedItems();
        if (!selected.isEmpty())
            chooseGeneral(generalList_->row(selected.first()));
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
    setReadiness(readinessLabel_, QStringLiteral("N.A."), Qt::red);
    taskLabel_ = new QLabel(QStringLiteral("-"), this);
    taskLabel_->setObjectName(QStringLiteral("taskLabel"));

    auto* values = new QGridLayout;
    values->addWidget(new QLabel(QStringLiteral("Erfahrungspunkte : "), this), 0, 0);
    values->addWidget(epLabel_, 0, 1);
    values->addWidget(new QLabel(QStringLiteral("Rang :"), this), 1, 0);
    values->addWidget(rankLabel_, 1, 1);
    values->addWidget(new QLabel(QStringLiteral("Bereitschaft :"), this), 2, 0);
    values->addWidget(readinessLabel_, 2, 1);
    values->addWidget(new QLabel(QStringLiteral("Aufgabe :"), this), 3, 0);
    values->addWidget(taskLabel_, 3, 1);
    values->setColumnStretch(1, 1);

    attackButton_ = new QPushButton(QStringLiteral("Land angreifen"), this);
    attackButton_->setObjectName(QStringLiteral("launchAttack"));
    cancelButton_ = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    connect(attackButton_, &QPushButton::clicked, this, &DeployWindow::attack);
    connect(cancelButton_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(attackButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(generalList_, 1);
    layout->addLayout(values);
    layout->addLayout(buttons);
    resize(360, 380);
    if (MainWindow* main = program_.mainWindow())
        move(main->geometry().center() - rect().center());
}

void DeployWindow::chooseGeneral(int row)
{
    const WorldState& world = program_.world;
    const int player = world.side[0];
    const int slot = row + 1;
    if (row < 0 || !validSideIndex(player) || slot > std::min(world.generalCount[static_cast<std::size_t>(player)], MaxGenerals))
        return;
    chosenSlot_ = slot;
    const auto s = static_cast<std::size_t>(player);
    const auto j = static_cast<std::size_t>(slot);
    const int32_t ep = world.generalEP[s][j];
    epLabel_->setText(QString::number(ep));
    rankLabel_->setText(qs(rankName(ep)));
    taskLabel_->setText(qs(statusTextOf(world, world.generalStatus[s][j])));
    // In training counts as ready: only a general in battle is not.
    if (generalReady(world, player, slot))
        setReadiness(readinessLabel_, QStringLiteral("Bereit"), Qt::green);
    else
        setReadiness(readinessLabel_, QStringLiteral("N. Bereit"), Qt::red);
}

void DeployWindow::attack()
{
    Dialogs& dialogs = program_.dialogs;
    // No choice yet counts as slot 0, which is never ready.
    switch (launchAttack(program_.world, chosenSlot_)) {
    case AttackOutcome::NotReady:
        dialogs.message(this, QStringLiteral("Der angewählte General ist nicht bereit !!!"),
                        QStringLiteral("Nicht bereit"));
        return;
    case AttackOutcome::CountryContested:
        dialogs.message(this,
                        QStringLiteral("Es tobt eine Schlacht in dem Land! Deine Truppen wollen die Schlacht "
                                       "erst führen, wenn die jetzige Schlacht beendet ist."),
                        QStringLiteral("Schlacht!"));
        break;
    case AttackOutcome::TooManyBattles:
        dialogs.message(this,
                        QStringLiteral("Sie können in dieser Version nur bis zu 25 Kämpfe gleichzeitig "
                                       "durchführen !"),
                        QStringLiteral("Zuviele Kämpfe !"));
        break;
    case AttackOutcome::NoTarget:
    case AttackOutcome::Launched:
        break;
    }
    close();
}

void DeployWindow::closeEvent(QCloseEvent* event)
{
    // Every way out, the frame's close box included, gives the game back.
    program_.startClock();
    if (MainWindow* main = program_.mainWindow())
        main->setEnabled(true);
    QWidget::closeEvent(event);
}

}  // namespace stratagon
