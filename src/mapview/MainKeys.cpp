// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/MainKeys.h"

#include <QAbstractButton>
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

}  // namespace stratagon
