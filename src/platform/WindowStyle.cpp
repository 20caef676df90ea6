// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowStyle.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>

namespace stratagon {

namespace {

// The window's white text would also colour the arrows of its scroll bars
// and the frames of its lists, on their light faces: those controls keep
// the application's own colours. Done when the window is first polished,
// once its controls exist.
class ReadableControls : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish)
            if (auto* window = qobject_cast<QWidget*>(watched))
                for (QWidget* child : window->findChildren<QWidget*>())
                    if (qobject_cast<QAbstractScrollArea*>(child) || qobject_cast<QScrollBar*>(child) ||
                        qobject_cast<QComboBox*>(child))
                        child->setPalette(QApplication::palette(child));
        return false;
    }
};

}  // namespace

void useDarkGreenBackground(QWidget& window)
{
    window.installEventFilter(new ReadableControls(&window));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0, 128, 0));
    palette.setColor(QPalette::WindowText, Qt::white);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

void useCompactFont(QWidget& window)
{
    QFont font = window.font();
    font.setPointSize(8);
    font.setStretch(QFont::SemiCondensed);
    window.setFont(font);
}

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

void centreOver(QWidget& window, const QWidget* opener)
{
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    if (!opener || !opener->isVisible()) {
        centreOnScreen(window);
        return;
    }
    QRect box(QPoint(), window.size());
    box.moveCenter(opener->frameGeometry().center());
    if (const QScreen* screen = opener->screen()) {
        const QRect free = screen->availableGeometry();
        box.moveLeft(std::clamp(box.left(), free.left(), std::max(free.left(), free.right() - box.width())));
        box.moveTop(std::clamp(box.top(), free.top(), std::max(free.top(), free.bottom() - box.height())));
    }
    window.move(box.topLeft());
}

}  // namespace stratagon
