#include "mapview/MapView.h"

#include "mapview/MapSurface.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace stratagon {

MapView::MapView(const MapSurface& surface, QWidget* parent) : QWidget(parent), surface_(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapView::fitToSurface()
{
    setFixedSize(std::max(surface_.width(), 1), std::max(surface_.height(), 1));
    update();
}

QSize MapView::sizeHint() const
{
    return {surface_.width(), surface_.height()};
}

bool MapView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = toolTipSource_ ? toolTipSource_(QPointF(help->pos())) : QString();
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void MapView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QImage& picture = surface_.surface();
    if (picture.isNull()) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    // The target rectangle is the picture's pixel size in device-independent
    // pixels, whatever ratio the image carries: on a HiDPI screen every
    // picture pixel becomes a block of whole device pixels, never a blur.
    if (picture.size() != size())
        painter.fillRect(rect(), palette().window());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, picture.width(), picture.height()), picture);
}

void MapView::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(event->position());
    event->accept();
}

}  // namespace stratagon
