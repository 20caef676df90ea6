// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/OpponentPickWindow.h"

#include "platform/WindowStyle.h"
#include "simulation/Opponents.h"
#include "platform/Retranslate.h"

#include <QListWidget>

namespace stratagon {

OpponentPickWindow::OpponentPickWindow(int current, QWidget* parent) : PickWindow(QSize(200, 124), parent)
{
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("opponentCountList"));
    list_->setGeometry(8, 8, 184, 74);
    for (int n = 1; n <= MaxOpponents; ++n)
        list_->addItem(QString());
    followLanguage(this, [this] {
        setWindowTitle(tr("Wie viele Gegner ?"));
        for (int row = 0; row < list_->count(); ++row)
            list_->item(row)->setText(tr("%n Gegner", nullptr, row + 1));
    });
    // The current number stands selected, so "OK" alone keeps it.
    list_->setCurrentRow(current - 1);

    addPickButtons(list_, 90, 88);

    centreOver(*this, parent);
}

void OpponentPickWindow::accept()
{
    const int row = list_->currentRow();
    if (row >= 0 && row < MaxOpponents)
        emit chosen(row + 1);
    close();
}

}  // namespace stratagon
