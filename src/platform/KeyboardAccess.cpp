// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyboardAccess.h"

#include "platform/AppFilter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStylePainter>
#include <QTimer>

namespace stratagon {

namespace {

// The ring round the focused control, just outside it: two pixels of black
// outside, two of white inside, whatever the window's colours. A widget of
// its own over the control's parent, letting the mouse through.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

    void follow(QWidget* control)
    {
        if (!control || !control->parentWidget()) {
            hide();
            return;
        }
        setParent(control->parentWidget());
        const QRect box = control->geometry().adjusted(-Width, -Width, Width, Width);
        setGeometry(box);
        setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(Width, Width, -Width, -Width))));
        raise();
        show();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.fillRect(rect().adjusted(2, 2, -2, -2), Qt::white);
    }

private:
    static constexpr int Width = 4;
};

// The buttons that leave a window without doing anything: "Abbrechen",
// "Schließen", and the roster's and task window's "Ende" and "Abbruch".
bool closesWindow(const QAbstractButton* button)
{
    QString text = button->text();
    text.remove(QLatin1Char('&'));
    for (const char* caption :
         {QT_TRANSLATE_NOOP("KeyboardAccess", "Abbrechen"), QT_TRANSLATE_NOOP("KeyboardAccess", "Schließen"),
          QT_TRANSLATE_NOOP("KeyboardAccess", "Ende"), QT_TRANSLATE_NOOP("KeyboardAccess", "Abbruch")})
        if (text == QString::fromUtf8(caption) || text == QCoreApplication::translate("KeyboardAccess", caption))
            return true;
    return false;
}

class KeyboardAccess : public QObject {
public:
    explicit KeyboardAccess(QObject* parent) : QObject(parent)
    {
        connect(qApp, &QApplication::focusChanged, this, &KeyboardAccess::focusChanged);
    }

    void focusChanged(QWidget*, QWidget* now)
    {
        // Only what takes keys by Tab gets the ring: not a window itself, not
        // the map (it outlines its country).
        const bool marked =
            now && !now->isWindow() && (now->focusPolicy() & Qt::TabFocus) && !now->inherits("stratagon::MapView");
        // The ring always belongs to a window, which takes it along when it
        // goes: one for each window the focus moves to.
        if (ring_ && marked && ring_->window() != now->window())
            delete ring_.data();
        if (!ring_ && marked && now->parentWidget())
            ring_ = new FocusRing(now->parentWidget());
        if (ring_)
            ring_->follow(marked ? now : nullptr);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate)
            passToModal(watched);
        if (event->type() != QEvent::KeyPress || watched != QApplication::focusWidget())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        auto* focused = static_cast<QWidget*>(watched);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            auto* button = qobject_cast<QAbstractButton*>(focused);
            // A push button that is a dialog's default handles Return itself.
            auto* push = qobject_cast<QPushButton*>(focused);
            if (!button || (push && (push->autoDefault() || push->isDefault())))
                return false;
            button->click();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            QWidget* window = focused->window();
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
                if (button->isVisible() && button->isEnabled() && closesWindow(button)) {
                    button->click();
                    return true;
                }
        }
        return false;
    }

private:
    // A click on a window that waits behind a modal one (the game behind the
    // options menu) gives the keys to that one, not to the window that
    // cannot take them.
    static void passToModal(QObject* watched)
    {
        auto* window = qobject_cast<QWidget*>(watched);
        QWidget* modal = QApplication::activeModalWidget();
        if (!window || !window->isWindow() || !modal || modal == window)
            return;
        for (QWidget* owner = modal->parentWidget(); owner; owner = owner->parentWidget())
            if (owner->window() == window || modal->windowModality() == Qt::ApplicationModal) {
                QTimer::singleShot(0, modal, [modal] { modal->activateWindow(); });
                return;
            }
    }

    QPointer<FocusRing> ring_;
};

}  // namespace

void installKeyboardAccess() { installAppFilter<KeyboardAccess>(); }

namespace {
int currentPercent = 100;
}

void applyTextSize(int percent)
{
    static const QFont base = QApplication::font();
    percent = std::clamp(percent, 100, 200);
    if (percent == currentPercent)
        return;
    currentPercent = percent;
    QFont font = base;
    if (base.pointSizeF() > 0)
        font.setPointSizeF(base.pointSizeF() * percent / 100.0);
    else
        font.setPixelSize(qRound(base.pixelSize() * percent / 100.0));
    QApplication::setFont(font);
}

int textSizePercent() { return currentPercent; }

}  // namespace stratagon
