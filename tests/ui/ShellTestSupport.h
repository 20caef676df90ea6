#pragma once

// Small helpers for the shell window tests: find controls by their text and
// let closed windows go.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QThread>
#include <QFile>
#include <QLabel>
#include <QWidget>

namespace stratagon::test {

// Deletes windows that were closed and runs what is pending.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The one button with this caption; nullptr when there is none or several.
inline QAbstractButton* button(const QWidget* window, const QString& text)
{
    QAbstractButton* found = nullptr;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->text() != text)
            continue;
        if (found)
            return nullptr;
        found = b;
    }
    return found;
}

inline QList<QAbstractButton*> buttons(const QWidget* window, const QString& text)
{
    QList<QAbstractButton*> found;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->text() == text)
            found.push_back(b);
    return found;
}

// The side "Ändern" of the new-game window: the only one of its three that works.
inline QAbstractButton* sideChangeButton(const QWidget* newGame)
{
    for (QAbstractButton* b : buttons(newGame, QString::fromUtf8("Ändern")))
        if (b->isEnabled() && b->geometry().topLeft() == QPoint(248, 88))
            return b;
    return nullptr;
}

inline QLabel* labelAt(const QWidget* window, const QPoint& topLeft)
{
    for (QLabel* l : window->findChildren<QLabel*>())
        if (l->geometry().topLeft() == topLeft && l->parentWidget() == window)
            return l;
    return nullptr;
}

inline bool hasLabel(const QWidget* window, const QString& text)
{
    for (QLabel* l : window->findChildren<QLabel*>())
        if (l->text() == text)
            return true;
    return false;
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Runs the event loop for a while, so timers fire.
inline void waitFor(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

inline void pressKey(QWidget* target, Qt::Key key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
}

inline void clickAt(QWidget* target, const QPoint& at)
{
    const QPointF local(at);
    const QPointF global(target->mapToGlobal(at));
    QMouseEvent down(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent up(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
}

// Clicks a button and lets closed windows go.
inline void press(QAbstractButton* b)
{
    if (b)
        b->click();
    settle();
}

}  // namespace stratagon::test
