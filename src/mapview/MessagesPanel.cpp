// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/MessagesPanel.h"

#include "platform/Paths.h"
#include "session/GameText.h"
#include "simulation/Events.h"
#include "world/WorldState.h"
#include "platform/Retranslate.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace stratagon {

MessagesPanel::MessagesPanel(const WorldState& world, QWidget* parent) : QWidget(parent), world_(world)
{
    setObjectName(QStringLiteral("messagesPanel"));
    auto* heading = new QLabel(this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("messageList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setWordWrap(true);
    const auto choose = [this](QListWidgetItem* item) {
        // Newest first: row r is the r-th message from the end.
        const int row = list_->row(item);
        if (row >= 0 && row < int(world_.events.size()))
            emit countryChosen(countryNamedIn(world_, world_.events[world_.events.size() - 1 - std::size_t(row)].text));
    };
    connect(list_, &QListWidget::itemClicked, this, choose);
    connect(list_, &QListWidget::itemActivated, this, choose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(heading);
    layout->addWidget(list_, 1);
    followLanguage(this, [this, heading] {
        heading->setText(tr("Meldungen"));
        list_->setAccessibleName(tr("Meldungen"));
        // Every message anew, in the new language.
        shownCount_ = 0;
        list_->clear();
        refresh();
    });
}

void MessagesPanel::refresh()
{
    const Text last = world_.events.empty() ? Text() : world_.events.back().text;
    if (world_.events.size() == shownCount_ && last == shownLast_ && list_->count() == int(shownCount_))
        return;
    shownCount_ = world_.events.size();
    shownLast_ = last;
    list_->clear();
    for (auto e = world_.events.rbegin(); e != world_.events.rend(); ++e) {
        const bool threat = e->kind == EventKind::Threat;
        auto* item = new QListWidgetItem((threat ? QStringLiteral("⚠ ") : QString()) +
                                             tr("%1: %2").arg(gametext::eventDate(*e), gametext::render(e->text)),
                                         list_);
        if (eventStandsOut(*e)) {
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
        }
        if (threat)
            item->setForeground(QColor(160, 0, 0));
    }
}

}  // namespace stratagon
