// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/PlaybackWindow.h"

#include "platform/Paths.h"
#include "platform/Retranslate.h"
#include "platform/WindowStyle.h"
#include "session/GameSession.h"
#include "session/GameText.h"
#include "shell/RecordsChart.h"
#include "simulation/Clock.h"
#include "simulation/Pace.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace stratagon {

PlaybackWindow::PlaybackWindow(const GameSession& session, ColourScheme colours, QWidget* parent)
    : DialogWindow(parent, Qt::NonModal), trail_(session.trail()),
      finished_(std::make_unique<WorldState>(session.world())), replay_(std::make_unique<Replay>(trail_)),
      painter_(replay_->world(), colours)
{
    setObjectName(QStringLiteral("playbackWindow"));
    useDarkGreenBackground(*this);
    painter_.surface().load(mapPictureFor(qs(finished_->mapFileName)));

    map_ = new QLabel(this);
    map_->setObjectName(QStringLiteral("playbackMap"));
    map_->setAlignment(Qt::AlignCenter);
    map_->setMinimumSize(320, 240);
    // The picture follows the label's room, never the other way round.
    map_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    date_ = new QLabel(this);
    date_->setObjectName(QStringLiteral("playbackDate"));
    QFont big = date_->font();
    big.setBold(true);
    date_->setFont(big);
    chart_ = new RecordsChart(*finished_, colours, this);
    chart_->setMinimumHeight(160);

    speed_ = new QComboBox(this);
    speed_->setObjectName(QStringLiteral("playbackSpeed"));
    for (const int factor : Speeds)
        speed_->addItem(QStringLiteral("%1×").arg(factor), factor);
    connect(speed_, &QComboBox::currentIndexChanged, this,
            [this](int index) { setSpeed(speed_->itemData(index).toInt()); });
    auto* speedLabel = new QLabel(this);
    speedLabel->setBuddy(speed_);
    pause_ = new QPushButton(this);
    pause_->setObjectName(QStringLiteral("playbackPause"));
    connect(pause_, &QPushButton::clicked, this, [this] { setRunning(!running()); });
    again_ = new QPushButton(this);
    again_->setObjectName(QStringLiteral("playbackPlayAgain"));
    connect(again_, &QPushButton::clicked, this, [this] {
        setRunning(false);
        emit playAgainRequested(replay_->tick());
    });
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("closeButton"));
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    auto* controls = new QHBoxLayout;
    controls->addWidget(speedLabel);
    controls->addWidget(speed_);
    controls->addWidget(pause_);
    controls->addStretch();
    controls->addWidget(again_);
    controls->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(date_);
    layout->addWidget(map_, 3);
    layout->addWidget(chart_, 1);
    layout->addLayout(controls);

    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!step())
            setRunning(false);
    });
    followLanguage(this, [this, speedLabel] {
        setWindowTitle(tr("Ansehen"));
        speedLabel->setText(tr("Tempo :"));
        again_->setText(tr("Noch einmal ab hier"));
        close_->setText(tr("Schließen"));
        retranslate();
    });
    setSpeed(1);
    resize(900, 760);
    centreOver(*this, parent);
    showState();
    setRunning(true);
}

void PlaybackWindow::resizeEvent(QResizeEvent* event)
{
    DialogWindow::resizeEvent(event);
    // The picture fills the room it now has.
    showPicture();
}

PlaybackWindow::~PlaybackWindow() = default;

void PlaybackWindow::setRunning(bool running)
{
    if (running && !replay_->atEnd())
        timer_.start();
    else
        timer_.stop();
    retranslate();
}

void PlaybackWindow::setSpeed(int factor)
{
    speedFactor_ = std::clamp(factor, 1, 16);
    // The game's own pace at 1×, as it was played.
    timer_.setInterval(std::max(tickPeriodMs(replay_->world()) / speedFactor_, 1));
}

bool PlaybackWindow::step()
{
    if (replay_->atEnd() || replay_->failed())
        return false;
    replay_->step();
    // The pace as it was then, at the chosen factor.
    setSpeed(speedFactor_);
    showState();
    return !replay_->atEnd();
}

void PlaybackWindow::showState()
{
    const WorldState& w = replay_->world();
    painter_.paintHolders();
    showPicture();
    const std::vector<MonthSample>& months = finished_->records.months;
    if (!months.empty()) {
        const int64_t index = (int64_t{w.year} * 12 + w.month) - (int64_t{months.front().year} * 12 +
                                                                    months.front().month);
        chart_->setPlayedMonth(int(std::clamp<int64_t>(index, 0, int64_t(months.size()) - 1)));
    }
    retranslate();
}

void PlaybackWindow::showPicture()
{
    if (painter_.surface().isNull())
        return;
    const QSize room = map_->contentsRect().size().expandedTo(QSize(320, 240));
    map_->setPixmap(QPixmap::fromImage(painter_.surface().surface())
                        .scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void PlaybackWindow::retranslate()
{
    const WorldState& w = replay_->world();
    date_->setText(replay_->atEnd() ? tr("Stand : %1 – das Ende des Spiels").arg(gametext::date(w.month, w.year))
                                    : tr("Stand : %1").arg(gametext::date(w.month, w.year)));
    pause_->setText(running() ? tr("Anhalten") : tr("Abspielen"));
    pause_->setEnabled(!replay_->atEnd());
}

}  // namespace stratagon
