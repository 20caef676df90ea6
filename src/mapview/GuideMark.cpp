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

void GuideMark::setTarget(std::function<QRect()> target)
{
    target_ = std::move(target);
    // Shown while there is a target: a control not laid out yet is outlined once it is.
    setVisible(bool(target_));
    raise();
    update();
}

QRect GuideMark::markedRect() const
{
    const QRect target = target_ ? target_() : QRect();
    return target.isEmpty() ? QRect() : target.adjusted(-MarkMargin, -MarkMargin, MarkMargin, MarkMargin);
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
    const QRect marked = markedRect();
    if (marked.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 6));
    painter.drawRoundedRect(marked, 6, 6);
    QPen stripes(QColor(255, 214, 0), 4, Qt::DashLine);
    painter.setPen(stripes);
    painter.drawRoundedRect(marked, 6, 6);
}

}  // namespace stratagon
