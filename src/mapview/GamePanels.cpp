// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/GamePanels.h"

#include "mapview/Announcer.h"
#include "mapview/BattleListPanel.h"
#include "mapview/GuidePanel.h"
#include "mapview/MainWindow.h"
#include "mapview/MessagesPanel.h"
#include "mapview/PanelParts.h"
#include "session/GameSession.h"
#include "session/GameContext.h"
#include "simulation/Pace.h"
#include "world/WorldState.h"
#include "platform/Retranslate.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace stratagon {

GamePanels::GamePanels(MainWindow& window, const GameContext& game)
    : QObject(&window), window_(window), world_(game.world), session_(game.session)
{
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("paceBar"));
    slower_ = makeButton(bar, QString(), "slowerButton", QString());
    faster_ = makeButton(bar, QString(), "fasterButton", QString());
    pace_ = new QLabel(bar);
    pace_->setObjectName(QStringLiteral("paceLabel"));
    auto* help = makeButton(bar, QString(), "helpButton", QString());
    followLanguage(bar, [this, help] {
        slower_->setText(tr("Langsamer"));
        slower_->setToolTip(tr("Das Spiel langsamer laufen lassen (Taste -)"));
        faster_->setText(tr("Schneller"));
        faster_->setToolTip(tr("Das Spiel schneller laufen lassen (Taste +)"));
        pace_->setToolTip(tr("Das Tempo im Verhältnis zur Einstellung in den Optionen"));
        help->setText(tr("Hilfe"));
        help->setToolTip(tr("Die Spielanleitung öffnen (F1)"));
        showPace();
    });
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(slower_);
    row->addWidget(pace_);
    row->addWidget(faster_);
    row->addStretch(1);
    row->addWidget(help);
    connect(slower_, &QPushButton::clicked, this, [this] { changePace(-1); });
    connect(faster_, &QPushButton::clicked, this, [this] { changePace(+1); });
    connect(help, &QPushButton::clicked, &window_, &MainWindow::helpRequested);

    messages_ = new MessagesPanel(world_);
    battles_ = new BattleListPanel(world_);
    guide_ = new GuidePanel(window_, game, *this);
    // A message read shows the country it is about.
    connect(messages_, &MessagesPanel::countryChosen, this, [this](int country) {
        if (country != 0)
            window_.showCountry(country);
        session_.noteGuide(GuideAction::MessageRead);
    });
    window_.addPanel(guide_, 0);
    window_.addPanel(bar, 0);
    window_.addPanel(messages_, 2);
    window_.addPanel(battles_, 3);
}

void GamePanels::refresh()
{
    messages_->refresh();
    battles_->refresh();
    guide_->refresh();
    showPace();
}

void GamePanels::changePace(int direction)
{
    if (!session_.setPace(world_.paceStep + (direction < 0 ? -1 : 1)))
        return;
    showPace();
    // The keys + and - change it without a look at the panel: say it.
    window_.announcer()->announce(pace_->text());
}

void GamePanels::showPace()
{
    pace_->setText(tr("Tempo : %1").arg(QString::fromUtf8(currentPace(world_).text)));
    slower_->setEnabled(world_.paceStep > 0);
    faster_->setEnabled(world_.paceStep < static_cast<int>(PaceSteps.size()) - 1);
}

}  // namespace stratagon
