// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowStyle.h"

#include "platform/KeyboardAccess.h"
#include "platform/WindowFit.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QPointer>
#include <QWidget>
#include <vector>
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

namespace {

// 8 points at the normal text size, grown with it, also while the window is
// open. The window's pixel boxes grow by as much, so that no text is cut off:
// the boxes as built are kept at the first showing and scaled from there.
// The window keeps its centre and stays on the screen. Lists and scroll
// areas lay out their own insides and are left to it.
class CompactFont : public QObject {
public:
    using QObject::QObject;

    static void applyFont(QWidget& window)
    {
        QFont font = QApplication::font();
        font.setPointSizeF(8.0 * textSizePercent() / 100.0);
        font.setStretch(QFont::SemiCondensed);
        window.setFont(font);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWidgetType())
            return false;
        auto& window = *static_cast<QWidget*>(watched);
        if (event->type() == QEvent::ApplicationFontChange) {
            applyFont(window);
            scaleBoxes(window);
        } else if (event->type() == QEvent::Show && !recorded_) {
            recordBoxes(window);
            scaleBoxes(window);
        }
        return false;
    }

private:
    void recordBoxes(QWidget& window)
    {
        recorded_ = true;
        fixed_ = window.minimumSize() == window.maximumSize() ? window.minimumSize() : QSize();
        for (QWidget* child : window.findChildren<QWidget*>()) {
            QWidget* parent = child->parentWidget();
            if (!child->isWindow() && parent && !parent->layout() && !qobject_cast<QAbstractScrollArea*>(parent))
                boxes_.push_back({child, child->geometry()});
        }
    }

    void scaleBoxes(QWidget& window)
    {
        if (!recorded_)
            return;
        const double f = textSizePercent() / 100.0;
        const auto scaled = [f](const QRect& r) {
            return QRect(qRound(r.x() * f), qRound(r.y() * f), qRound(r.width() * f), qRound(r.height() * f));
        };
        for (const auto& [child, box] : boxes_)
            if (child)
                child->setGeometry(scaled(box));
        const QPoint centre = window.frameGeometry().center();
        if (fixed_.isValid())
            window.setFixedSize(qRound(fixed_.width() * f), qRound(fixed_.height() * f));
        if (window.isWindow()) {
            QRect moved(QPoint(), window.frameGeometry().size());
            moved.moveCenter(centre);
            window.move(moved.topLeft());
            keepOnScreen(window);
        }
    }

    bool recorded_ = false;
    QSize fixed_;
    std::vector<std::pair<QPointer<QWidget>, QRect>> boxes_;
};

}  // namespace

void useCompactFont(QWidget& window)
{
    window.installEventFilter(new CompactFont(&window));
    CompactFont::applyFont(window);
}

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(centredIn(screen->availableGeometry(), window.size(), expectedFrame(window)));
}

void centreOver(QWidget& window, const QWidget* opener)
{
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    if (!opener || !opener->isVisible()) {
        centreOnScreen(window);
        return;
    }
    const QMargins frame = expectedFrame(window);
    QRect box(QPoint(), window.size().grownBy(frame));
    box.moveCenter(opener->frameGeometry().center());
    window.move(placedInside(availableArea(*opener), window.size(), frame, box.topLeft()));
}

}  // namespace stratagon
