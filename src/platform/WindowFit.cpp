// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowFit.h"

#include "platform/AppFilter.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace stratagon {

namespace {

// A usual title bar and border. A platform without a window manager
// (offscreen, the tests) is judged as a screen with one, so that what fits
// there fits a player's screen.
constexpr QMargins UsualFrame(4, 30, 4, 4);

bool withoutWindowManager() { return QGuiApplication::platformName() == QStringLiteral("offscreen"); }

QMargins knownFrame(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    if (!handle || !window.isVisible())
        return {};
    return withoutWindowManager() ? UsualFrame : handle->frameMargins();
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
    if (withoutWindowManager())
        return UsualFrame;
    // The window manager gives the program's windows one decoration.
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && other->windowType() == Qt::Window)
            if (const QMargins frame = knownFrame(*other); !frame.isNull())
                return frame;
    return UsualFrame;
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

QSize roomOnScreen(const QWidget& window) { return availableArea(window).size().shrunkBy(expectedFrame(window)); }

void keepOnScreen(QWidget& window)
{
    const QSize room = roomOnScreen(window);
    if (window.width() > room.width() || window.height() > room.height())
        window.resize(window.size().boundedTo(room).expandedTo(window.minimumSize()));
    window.move(placedInside(availableArea(window), window.size(), expectedFrame(window), window.pos()));
}

namespace {

class DialogKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->windowType() != Qt::Dialog || !widget->isWindow())
            return false;
        if (event->type() == QEvent::Show) {
            keepOnScreen(*widget);
        } else if (event->type() == QEvent::ApplicationFontChange && widget->isVisible()) {
            // Once the window's layout has taken the new size.
            QTimer::singleShot(0, widget, [widget] { keepOnScreen(*widget); });
        }
        return false;
    }
};

}  // namespace

void keepDialogsOnScreen() { installAppFilter<DialogKeeper>(); }

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
