// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/GuideMark.h"

#include <QEvent>
#include <QPainter>

namespace stratagon {

constexpr int MarkMargin = 4;

GuideMark::GuideMark(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("guideMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    window->installEventFilter(this);
    setGeometry(window->rect());
    hide();
}

void GuideMark::setTarget(Targets target)
{
    target_ = std::move(target);
    // Shown while there is a target: a control not laid out yet is outlined once it is.
    setVisible(bool(target_));
    raise();
    update();
}

std::vector<QRect> GuideMark::markedRects() const
{
    std::vector<QRect> marked;
    if (target_)
        for (const QRect& target : target_())
            if (!target.isEmpty())
                marked.push_back(target.adjusted(-MarkMargin, -MarkMargin, MarkMargin, MarkMargin));
    return marked;
}

QRect GuideMark::markedRect() const
{
    const std::vector<QRect> marked = markedRects();
    return marked.empty() ? QRect() : marked.front();
}

bool GuideMark::eventFilter(QObject* watched, QEvent* event)
{
    // The window's size or layout changed: the mark covers it and follows its target.
    if (watched == parent() && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)) {
        setGeometry(parentWidget()->rect());
        raise();
        update();
    }
    return QWidget::eventFilter(watched, event);
}

void GuideMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const QRect& marked : markedRects()) {
        painter.setPen(QPen(Qt::black, 6));
        painter.drawRoundedRect(marked, 6, 6);
        painter.setPen(QPen(QColor(255, 214, 0), 4, Qt::DashLine));
        painter.drawRoundedRect(marked, 6, 6);
    }
}

}  // namespace stratagon
