// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/MainKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace stratagon {

void bindKey(QWidget& window, QAbstractButton* button, const QKeySequence& key)
{
    auto* shortcut = new QShortcut(key, &window);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled())
            button->click();
    });
    button->setToolTip(QStringLiteral("%1 (%2)").arg(button->toolTip(), key.toString(QKeySequence::NativeText)));
}

void bindKeys(QWidget& window, std::initializer_list<std::pair<QAbstractButton*, QKeySequence>> keys)
{
    for (const auto& [button, key] : keys)
        bindKey(window, button, key);
}

namespace {

// Sees every key before the focused control does; takes its keys (pressed
// and let go) while the focus is inside its window.
class WindowKeyFilter : public QObject {
public:
    WindowKeyFilter(QWidget& window, WindowKeys keys) : QObject(&window), window_(window), keys_(std::move(keys))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != &window_)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        for (const auto& [k, action] : keys_)
            if (key->key() == k) {
                if (type == QEvent::KeyPress && !(key->isAutoRepeat() && k == Qt::Key_Space))
                    action();
                return true;
            }
        return false;
    }

private:
    QWidget& window_;
    WindowKeys keys_;
};

}  // namespace

void bindWindowKeys(QWidget& window, WindowKeys keys) { new WindowKeyFilter(window, std::move(keys)); }

}  // namespace stratagon
