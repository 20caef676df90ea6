// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/BattleListPanel.h"

#include "platform/Paths.h"
#include "session/GameText.h"
#include "simulation/Battle.h"
#include "world/WorldState.h"
#include "platform/Retranslate.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace stratagon {

BattleListPanel::BattleListPanel(const WorldState& world, QWidget* parent) : QWidget(parent), world_(world)
{
    setObjectName(QStringLiteral("battleListPanel"));
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("battleListHeading"));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);

    table_ = new QTreeWidget(this);
    table_->setObjectName(QStringLiteral("battleTable"));
    // Three columns fit the narrow panel column: each side's cell holds its
    // score on the first line, its general and his EP on the second.
    table_->setRootIsDecorated(false);
    table_->setUniformRowHeights(true);
    table_->setWordWrap(false);
    // Whole rows are chosen by the arrows, so that a screen reader reads each battle.
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->header()->setStretchLastSection(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(heading_);
    layout->addWidget(table_, 1);
    followLanguage(this, [this] {
        table_->setAccessibleName(tr("Alle Schlachten"));
        table_->setHeaderLabels({tr("Kampf um"), tr("Angreifer"), tr("Verteidiger")});
        refresh();
    });
}

void BattleListPanel::refresh()
{
    const std::vector<BattleOverviewRow> rows = battleOverview(world_);
    heading_->setText(rows.empty() ? tr("Keine Kämpfe") : tr("Kämpfe : %1").arg(rows.size()));
    // Rows are reused: a tick only changes their texts.
    while (table_->topLevelItemCount() > static_cast<int>(rows.size()))
        delete table_->takeTopLevelItem(table_->topLevelItemCount() - 1);
    while (table_->topLevelItemCount() < static_cast<int>(rows.size()))
        new QTreeWidgetItem(table_);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PlayerBattleEntry& e = rows[i].entry;
        QTreeWidgetItem* item = table_->topLevelItem(static_cast<int>(i));
        const auto side = [](const std::string& name, int score, const std::string& general, int ep) {
            if (general == NoGeneral)
                return tr("%1  %2\nohne General").arg(gametext::name(name)).arg(score);
            return tr("%1  %2\n%3, %4 EP")
                .arg(gametext::name(name))
                .arg(score)
                .arg(general.empty() ? QStringLiteral("-") : qs(general))
                .arg(ep);
        };
        const QStringList texts = {gametext::name(e.country),
                                   side(e.attackerSide, e.attackerScore, e.attackerGeneral, e.attackerEP),
                                   side(e.defenderSide, e.defenderScore, e.defenderGeneral, e.defenderEP)};
        // The row as one sentence for the ear, said with its first cell.
        item->setData(0, Qt::AccessibleTextRole,
                      tr("%1: %2 %3 gegen %4 %5").arg(gametext::name(e.country), gametext::name(e.attackerSide))
                          .arg(e.attackerScore)
                          .arg(gametext::name(e.defenderSide))
                          .arg(e.defenderScore));
        for (int c = 0; c < texts.size(); ++c) {
            item->setText(c, texts[c]);
            QFont font = item->font(c);
            font.setBold(rows[i].own);
            item->setFont(c, font);
        }
    }
}

}  // namespace stratagon
