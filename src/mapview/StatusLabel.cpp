// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/StatusLabel.h"

#include "platform/Retranslate.h"

namespace stratagon {

StatusLabel::StatusLabel(QWidget* parent) : QLabel(parent)
{
    // Tests and the layout find it by this name.
    setObjectName(QStringLiteral("statusLabel"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    followLanguage(this, [this] { showPaused(paused_); });
}

void StatusLabel::showPaused(bool paused)
{
    paused_ = paused;
    setText(paused ? tr("Spiel pausiert") : tr("Spiel läuft"));
}

}  // namespace stratagon
