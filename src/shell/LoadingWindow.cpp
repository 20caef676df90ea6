// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/LoadingWindow.h"

#include "platform/WindowStyle.h"

#include <QPainter>

namespace stratagon {

LoadingWindow::LoadingWindow(const QString& picturePath)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::SplashScreen), picture_(picturePath)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(344, 217);
    centreOnScreen(*this);
}

void LoadingWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (picture_.isNull())
        p.fillRect(rect(), QColor(0, 64, 0));
    else
        p.drawPixmap(rect(), picture_);
    const QRect label(8, height() - 30, 90, 22);
    p.fillRect(label, QColor(0, 0, 0, 200));
    p.setPen(QColor(230, 230, 230));
    QFont font = p.font();
    font.setBold(true);
    p.setFont(font);
    p.drawText(label.adjusted(6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, tr("Lade ..."));
}

}  // namespace stratagon
