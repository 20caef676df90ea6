// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TurningPanel.h"

#include "platform/Retranslate.h"
#include "session/GameText.h"
#include "world/WorldState.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace stratagon {

namespace {

QString monthText(const GameDate& d) { return gametext::date(d.month, d.year); }

QString sideName(const WorldState& w, int side)
{
    const int country = w.side[std::size_t(std::clamp(side, 0, 9))];
    return validCountry(w, country) ? gametext::name(w.countryName[country]) : QString();
}

// What the messages of that month tell of it: the last battle lost, or for
// a gain the last won; empty when the log no longer reaches back so far.
QString newsOf(const WorldState& w, const TurningPoint& point)
{
    const EventKind wanted = point.kind == TurningKind::GreatGain || point.kind == TurningKind::Overtook
                                 ? EventKind::BattleWon
                                 : EventKind::BattleLost;
    for (auto it = w.events.rbegin(); it != w.events.rend(); ++it)
        if (it->year == point.date.year && it->month == point.date.month && it->kind == wanted)
            return QLatin1Char(' ') + gametext::render(it->text);
    return {};
}

}  // namespace

QString turningText(const WorldState& w, const TurningPoint& t)
{
    QString text;
    switch (t.kind) {
    case TurningKind::HeavyLoss:
        text = TurningPanel::tr("%1 bis %2: Du verlierst %n Länder.", nullptr, t.countries)
                   .arg(monthText(t.from), monthText(t.date));
        break;
    case TurningKind::GreatGain:
        text = TurningPanel::tr("%1 bis %2: Du eroberst %n Länder.", nullptr, t.countries)
                   .arg(monthText(t.from), monthText(t.date));
        break;
    case TurningKind::Overtaken:
        text = TurningPanel::tr("%1: %2 überholt dich, %3 Länder gegen deine %4.")
                   .arg(monthText(t.date), sideName(w, t.side))
                   .arg(t.against)
                   .arg(t.countries);
        break;
    case TurningKind::Overtook:
        text = TurningPanel::tr("%1: Du überholst %2, deine %3 Länder gegen seine %4.")
                   .arg(monthText(t.date), sideName(w, t.side))
                   .arg(t.countries)
                   .arg(t.against);
        break;
    case TurningKind::Height:
        text = TurningPanel::tr("%1: Dein Reich ist am größten, %n Länder.", nullptr, t.countries)
                   .arg(monthText(t.date));
        break;
    }
    return text + newsOf(w, t);
}

TurningPanel::TurningPanel(GameSession& session, RecordsChart& chart, QWidget* parent)
    : QWidget(parent), session_(session), points_(turningPoints(session.world()))
{
    setObjectName(QStringLiteral("turningPanel"));
    auto* grid = new QGridLayout;
    title_ = new QLabel(this);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    branched_ = new QLabel(this);
    branched_->setObjectName(QStringLiteral("branchedFrom"));
    branched_->setVisible(session.trail().branchedAt.year != 0);

    std::vector<RecordsChart::Mark> marks;
    const auto addRow = [&](int row, QLabel* label, QPushButton* button, int64_t tick) {
        label->setWordWrap(true);
        grid->addWidget(label, row, 0);
        grid->addWidget(button, row, 1, Qt::AlignTop);
        button->setEnabled(tick >= 0);
        connect(button, &QPushButton::clicked, this, [this, button] {
            emit playAgainRequested(button->property("tick").toLongLong());
        });
        button->setProperty("tick", qint64(tick));
    };
    for (std::size_t k = 0; k < points_.size(); ++k) {
        auto* sentence = new QLabel(this);
        sentence->setObjectName(QStringLiteral("turningPoint%1").arg(k));
        auto* again = new QPushButton(this);
        again->setObjectName(QStringLiteral("playAgain%1").arg(k));
        addRow(int(k), sentence, again, resumeTick(session.trail(), session.world().records, int(points_[k].month)));
        sentences_.push_back(sentence);
        again_.push_back(again);
        marks.push_back({int(points_[k].month), QString::number(k + 1)});
    }
    // Where a game played again branched off: its first month of its own.
    const std::vector<MonthSample>& months = session.world().records.months;
    if (const GameDate at = session.trail().branchedAt; at.year != 0)
        for (std::size_t i = 0; i < months.size(); ++i)
            if (months[i].year == at.year && months[i].month == at.month)
                marks.push_back({int(i), QStringLiteral("↺")});
    chart.setMarks(std::move(marks));

    picked_ = new QLabel(this);
    picked_->setObjectName(QStringLiteral("pickedMonth"));
    pickedAgain_ = new QPushButton(this);
    pickedAgain_->setObjectName(QStringLiteral("playAgainPicked"));
    addRow(int(points_.size()), picked_, pickedAgain_, -1);
    chart.setPicking(session.trail().kept());
    connect(&chart, &RecordsChart::monthPicked, this, &TurningPanel::showPicked);
    grid->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title_);
    layout->addWidget(branched_);
    layout->addLayout(grid);
    followLanguage(this, [this] { retranslate(); });
}

void TurningPanel::showPicked(int month)
{
    pickedMonth_ = month;
    const int64_t tick = resumeTick(session_.trail(), session_.world().records, month);
    pickedAgain_->setProperty("tick", qint64(tick));
    pickedAgain_->setEnabled(tick >= 0);
    retranslate();
}

void TurningPanel::retranslate()
{
    const WorldState& w = session_.world();
    title_->setText(points_.empty() ? tr("Wendepunkte : noch keine") : tr("Wendepunkte"));
    const GameDate at = session_.trail().branchedAt;
    branched_->setText(tr("Dieses Spiel wurde ab %1 noch einmal gespielt (↺).").arg(monthText(at)));
    for (std::size_t k = 0; k < points_.size(); ++k) {
        sentences_[k]->setText(QStringLiteral("%1. %2").arg(k + 1).arg(turningText(w, points_[k])));
        again_[k]->setText(tr("Noch einmal ab hier"));
        again_[k]->setAccessibleName(tr("Noch einmal ab hier: %1").arg(sentences_[k]->text()));
    }
    const int month = pickedMonth_;
    const std::vector<MonthSample>& months = w.records.months;
    if (!session_.trail().kept()) {
        picked_->setText(tr("Dieses Spiel lässt sich nicht noch einmal spielen."));
    } else if (month >= 0 && std::size_t(month) < months.size()) {
        const MonthSample& m = months[std::size_t(month)];
        picked_->setText(resumeTick(session_.trail(), session_.world().records, month) >= 0
                             ? tr("Gewählt : %1").arg(gametext::date(m.month, m.year))
                             : tr("%1 liegt vor dem Beginn des Spielverlaufs, den das Spiel kennt.")
                                   .arg(gametext::date(m.month, m.year)));
    } else {
        picked_->setText(tr("Klicke in die Kurve, um einen Monat zu wählen."));
    }
    pickedAgain_->setText(tr("Noch einmal ab hier"));
}

}  // namespace stratagon
