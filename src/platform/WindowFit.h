// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A top-level window on its screen with its frame: the title bar and border
// that the window manager adds must fit too. Their size is known only once the
// window manager has framed the window; until then the frame of another of the
// program's windows stands in for it, and a watch reports the real one.
//
// Positions here are a top-level window's pos(): the frame's top-left corner.

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

namespace stratagon {

// The part of the window's screen (else the primary one) free of panels.
QRect availableArea(const QWidget& window);

// The window's frame once the window manager has framed it; before, that of
// another visible framed window of the program, else a usual title bar and
// border, also on a platform without a window manager (offscreen).
QMargins expectedFrame(const QWidget& window);

// Where a window of inner size `size` in `frame` goes so that the whole frame
// lies inside `free`, moved from `wanted` as little as needed. A frame larger
// than `free` keeps its top-left corner, the title bar, inside.
QPoint placedInside(const QRect& free, QSize size, const QMargins& frame, QPoint wanted);

// The position that centres such a window in `free`, kept inside as above.
QPoint centredIn(const QRect& free, QSize size, const QMargins& frame);

// A window that belongs to another one (a dialog) is kept whole on its
// screen with its frame: no larger than the free area, and moved inside it
// as little as needed. roomOnScreen is the largest inner size it may have.
QSize roomOnScreen(const QWidget& window);
void keepOnScreen(QWidget& window);

// Keeps every dialog of the program on its screen when it is shown and when
// the text size changes. Once per program; further calls do nothing.
void keepDialogsOnScreen();

// Calls `changed` with the window's frame margins whenever the window system
// reports others than the last seen: when the window manager frames the
// window, or changes its decoration.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget& window, std::function<void(const QMargins&)> changed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void check();

    QWidget& window_;
    std::function<void(const QMargins&)> changed_;
    QMargins seen_;
};

}  // namespace stratagon
