// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/MapView.h"

#include "mapview/MapSurface.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace stratagon {

MapView::MapView(const MapSurface& surface, QWidget* parent) : QWidget(parent), surface_(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize MapView::scaledSize() const
{
    return {std::max(static_cast<int>(std::lround(surface_.width() * scale_)), 1),
            std::max(static_cast<int>(std::lround(surface_.height() * scale_)), 1)};
}

void MapView::setScale(double scale)
{
    scale_ = scale > 0 ? scale : 1.0;
    fitToSurface();
}

void MapView::fitToSurface()
{
    setFixedSize(scaledSize());
    scaler_.invalidate();
    update();
}

void MapView::pictureChanged()
{
    const QImage& picture = surface_.surface();
    if (picture.isNull())
        return;
    if (shownBefore_.size() != picture.size() || shownBefore_.format() != picture.format()) {
        shownBefore_ = picture.copy();
        scaler_.invalidate();
        update();
        return;
    }
    changedRows_.resize(static_cast<std::size_t>(picture.height()), 0);
    const auto bytes = static_cast<std::size_t>(picture.width()) * 4;
    int first = picture.height();
    int last = -1;
    for (int y = 0; y < picture.height(); ++y) {
        if (std::memcmp(picture.constScanLine(y), shownBefore_.constScanLine(y), bytes) == 0)
            continue;
        std::memcpy(shownBefore_.scanLine(y), picture.constScanLine(y), bytes);
        changedRows_[static_cast<std::size_t>(y)] = 1;
        first = std::min(first, y);
        last = y;
    }
    if (last < 0)
        return;
    // The view's rows that show them, one more each side for the averaging.
    const double s = static_cast<double>(height()) / picture.height();
    const int top = static_cast<int>(std::floor(first * s)) - 1;
    const int bottom = static_cast<int>(std::ceil((last + 1) * s)) + 1;
    update(QRect(0, top, width(), bottom - top));
}

QPointF MapView::toPicture(QPointF viewPosition) const
{
    // Through the view's real size, so that the far edge maps to the far edge.
    const double sx = width() > 0 && surface_.width() > 0 ? static_cast<double>(surface_.width()) / width() : 1.0;
    const double sy = height() > 0 && surface_.height() > 0 ? static_cast<double>(surface_.height()) / height() : 1.0;
    return {viewPosition.x() * sx, viewPosition.y() * sy};
}

QSize MapView::sizeHint() const { return scaledSize(); }

bool MapView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = toolTipSource_ ? toolTipSource_(toPicture(QPointF(help->pos()))) : QString();
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

const QImage& MapView::displayedPicture(qreal devicePixelRatio)
{
    const QImage& picture = surface_.surface();
    const QSize device(static_cast<int>(std::lround(width() * devicePixelRatio)),
                       static_cast<int>(std::lround(height() * devicePixelRatio)));
    if (picture.isNull() || (device.width() >= picture.width() && device.height() >= picture.height()))
        return picture;
    const QImage& scaled = scaler_.scaled(picture, device, changedRows_);
    std::fill(changedRows_.begin(), changedRows_.end(), 0);
    return scaled;
}

void MapView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QImage& shown = displayedPicture(devicePixelRatioF());
    if (shown.isNull()) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    // Larger than the picture: every picture pixel becomes a block of
    // device pixels, never a blur. Smaller: the averaged copy, one of its
    // pixels to one device pixel.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setClipRect(event->rect());
    painter.drawImage(rect(), shown);
    if (focusCountry_ != 0) {
        if (outlineFor_ != surface_.bitmap().cacheKey())
            buildOutline();
        if (!outline_.isNull()) {
            painter.drawImage(toView(outlineBox_), outline_);
        } else {
            // No area known: a black and white ring round the seed point.
            const QPoint centre = toView(QRect(focusSeed_, QSize(1, 1))).center();
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(Qt::black, 5));
            painter.drawEllipse(centre, 12, 12);
            painter.setPen(QPen(Qt::white, 2));
            painter.drawEllipse(centre, 12, 12);
        }
    }
}

void MapView::setFocusCountry(int country, QPoint seed)
{
    if (country == focusCountry_ && seed == focusSeed_)
        return;
    focusCountry_ = country;
    focusSeed_ = seed;
    outlineFor_ = 0;
    update();
}

QRect MapView::toView(const QRect& pictureBox) const
{
    const double sx = surface_.width() > 0 ? static_cast<double>(width()) / surface_.width() : 1.0;
    const double sy = surface_.height() > 0 ? static_cast<double>(height()) / surface_.height() : 1.0;
    return QRectF(pictureBox.x() * sx, pictureBox.y() * sy, pictureBox.width() * sx, pictureBox.height() * sy)
        .toAlignedRect();
}

// The outline lies inside the country's border: two rings of white, then
// two of black, so that it reads on every colour of either scheme.
void MapView::buildOutline()
{
    // Made again on the next paint while the areas are not known yet.
    outlineFor_ = surface_.hasAreas() ? surface_.bitmap().cacheKey() : 0;
    outline_ = QImage();
    outlineBox_ = QRect();
    if (focusCountry_ == 0 || !surface_.hasAreas())
        return;
    for (int y = 0; y < surface_.height(); ++y)
        for (int x = 0; x < surface_.width(); ++x)
            if (surface_.countryAt(x, y) == focusCountry_)
                outlineBox_ |= QRect(x, y, 1, 1);
    if (outlineBox_.isEmpty())
        return;
    constexpr int Width = 4;
    outline_ = QImage(outlineBox_.size(), QImage::Format_ARGB32);
    outline_.fill(Qt::transparent);
    for (int y = outlineBox_.top(); y <= outlineBox_.bottom(); ++y) {
        for (int x = outlineBox_.left(); x <= outlineBox_.right(); ++x) {
            if (surface_.countryAt(x, y) != focusCountry_)
                continue;
            int distance = Width + 1;  // to the nearest pixel outside, in rings
            for (int dy = -Width; dy <= Width; ++dy)
                for (int dx = -Width; dx <= Width; ++dx)
                    if (surface_.countryAt(x + dx, y + dy) != focusCountry_)
                        distance = std::min(distance, std::max(std::abs(dx), std::abs(dy)));
            if (distance <= Width)
                outline_.setPixel(x - outlineBox_.left(), y - outlineBox_.top(),
                                  distance <= Width / 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
    }
}

QRect MapView::countryRect(int country, QPoint seed) const
{
    QRect box;
    if (country == focusCountry_ && outlineFor_ == surface_.bitmap().cacheKey() && !outlineBox_.isEmpty())
        box = outlineBox_;
    else
        box = QRect(seed - QPoint(8, 8), QSize(17, 17));
    return toView(box);
}

int MapView::countryAtView(QPoint viewPosition) const
{
    const QPointF p = toPicture(QPointF(viewPosition));
    return surface_.countryAt(static_cast<int>(p.x()), static_cast<int>(p.y()));
}

void MapView::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(toPicture(event->position()));
    event->accept();
}

}  // namespace stratagon
