// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/BattlePanel.h"

#include "mapview/PanelParts.h"
#include "platform/Paths.h"
#include "session/GameText.h"
#include "simulation/Battle.h"
#include "world/WorldState.h"
#include "platform/Retranslate.h"

#include <QScrollBar>
#include <algorithm>

namespace stratagon {

BattlePanel::BattlePanel(const WorldState& world, QWidget* parent) : QWidget(parent), world_(world)
{
    setObjectName(QStringLiteral("battlePanel"));
    QFont bold = font();
    bold.setBold(true);
    heading_ = makeLabel(this, "battleHeadingLabel");
    heading_->setFont(bold);
    country_ = makeLabel(this, "battleCountryLabel");
    country_->setFont(bold);
    side_[0] = makeLabel(this, "attackerSideLabel");
    score_[0] = makeLabel(this, "attackerScoreLabel");
    general_[0] = makeLabel(this, "attackerGeneralLabel");
    ep_[0] = makeLabel(this, "attackerEPLabel");
    side_[1] = makeLabel(this, "defenderSideLabel");
    score_[1] = makeLabel(this, "defenderScoreLabel");
    general_[1] = makeLabel(this, "defenderGeneralLabel");
    ep_[1] = makeLabel(this, "defenderEPLabel");
    for (QLabel* number : {score_[0], score_[1], ep_[0], ep_[1]})
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    scroll_ = makeScrollBar(this, "battleScroll");
    followLanguage(this, [this] {
        scroll_->setAccessibleName(tr("Deine Schlachten blättern"));
        refresh();
    });
}

void BattlePanel::refresh()
{
    const int m = std::min<int>(world_.playerBattleCount, MaxPlayerBattles);
    if (m <= 0) {
        heading_->setText(tr("Keine Kämpfe"));
        country_->clear();
        for (int k = 0; k < 2; ++k) {
            side_[k]->clear();
            score_[k]->clear();
            general_[k]->clear();
            ep_[k]->clear();
        }
        scroll_->setEnabled(false);
        return;
    }
    int k = 1;
    if (m == 1) {
        scroll_->setEnabled(false);
    } else {
        scroll_->setRange(1, m);
        scroll_->setPageStep(m);
        scroll_->setEnabled(true);
        k = std::clamp(scroll_->value(), 1, m);
    }
    const PlayerBattleEntry& e = world_.playerBattleList[static_cast<std::size_t>(k)];
    heading_->setText(tr("Kampf um"));
    country_->setText(gametext::name(e.country));
    side_[0]->setText(gametext::name(e.attackerSide));
    score_[0]->setText(QString::number(e.attackerScore));
    showGeneral(0, e.attackerGeneral, e.attackerEP);
    side_[1]->setText(gametext::name(e.defenderSide));
    score_[1]->setText(QString::number(e.defenderScore));
    showGeneral(1, e.defenderGeneral, e.defenderEP);
}

void BattlePanel::showGeneral(std::size_t side, const std::string& general, int ep)
{
    // A side without a general has no EP of its own to show.
    const bool none = general == NoGeneral;
    general_[side]->setText(none ? tr("ohne General") : qs(general));
    ep_[side]->setText(none ? QStringLiteral("-") : QString::number(ep));
}

void BattlePanel::place(const QRect& rows, const QRect& scroll, Arrangement arrangement, Twips px)
{
    // Columns as shares of the panel's width.
    const int rowH = px(design::RowHeight);
    const int labelH = px(design::LabelHeight);
    const auto column = [&](int percent) { return rows.left() + rows.width() * percent / 100; };
    std::vector<std::pair<QWidget*, QRect>> boxes;
    const auto put = [&](QLabel* label, int from, int to, int y) {
        boxes.emplace_back(label, QRect(column(from), y, column(to) - column(from), labelH));
    };
    const int b0 = rows.top();
    if (arrangement == Arrangement::Below) {
        put(heading_, 0, 12, b0);
        put(country_, 12, 36, b0);
        for (int k = 0; k < 2; ++k) {
            const int y = b0 + k * rowH;
            put(side_[k], 36, 58, y);
            put(score_[k], 58, 64, y);
            put(general_[k], 67, 90, y);
            put(ep_[k], 90, 96, y);
        }
    } else {
        put(heading_, 0, 30, b0);
        put(country_, 30, 100, b0);
        for (int k = 0; k < 2; ++k) {
            const int y = b0 + (k + 1) * rowH;
            put(side_[k], 0, 40, y);
            put(score_[k], 40, 50, y);
            put(general_[k], 53, 88, y);
            put(ep_[k], 88, 100, y);
        }
    }
    boxes.emplace_back(scroll_, scroll);
    placeInPanel(*this, boxes);
}

}  // namespace stratagon
