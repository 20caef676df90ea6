// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/WindowFit.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace stratagon {

namespace {

QMargins knownFrame(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    return handle && window.isVisible() ? handle->frameMargins() : QMargins();
}

}  // namespace

QRect availableArea(const QWidget& window)
{
    const QScreen* shown = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return shown ? shown->availableGeometry() : QRect(0, 0, 1920, 1080);
}

QMargins expectedFrame(const QWidget& window)
{
    if (const QMargins own = knownFrame(window); !own.isNull())
        return own;
    if (QGuiApplication::platformName() == QStringLiteral("offscreen"))
        return {};
    // The window manager gives the program's windows one decoration.
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && other->windowType() == Qt::Window)
            if (const QMargins frame = knownFrame(*other); !frame.isNull())
                return frame;
    return {4, 30, 4, 4};
}

QPoint placedInside(const QRect& free, QSize size, const QMargins& frame, QPoint wanted)
{
    const QSize outer = size.grownBy(frame);
    // The right and bottom limits first, so that the left and top win.
    const int x = std::max(std::min(wanted.x(), free.left() + free.width() - outer.width()), free.left());
    const int y = std::max(std::min(wanted.y(), free.top() + free.height() - outer.height()), free.top());
    return {x, y};
}

QPoint centredIn(const QRect& free, QSize size, const QMargins& frame)
{
    const QSize outer = size.grownBy(frame);
    return placedInside(free, size, frame,
                        {free.left() + (free.width() - outer.width()) / 2, free.top() + (free.height() - outer.height()) / 2});
}

FrameWatch::FrameWatch(QWidget& window, std::function<void(const QMargins&)> changed)
    : QObject(&window), window_(window), changed_(std::move(changed))
{
    window.installEventFilter(this);
}

bool FrameWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::Show:
            // Some window managers tell the frame only after the first move.
            QTimer::singleShot(250, this, &FrameWatch::check);
            [[fallthrough]];
        case QEvent::Move:
        case QEvent::Resize:
            check();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void FrameWatch::check()
{
    const QMargins frame = knownFrame(window_);
    if (frame.isNull() || frame == seen_)
        return;
    seen_ = frame;
    changed_(frame);
}

}  // namespace stratagon
