// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <initializer_list>
#include <utility>

class QAbstractButton;
class QWidget;

namespace stratagon {

// A key for a button of a window, also while the button is hidden (the side
// menu's buttons): it clicks the button when the button may be used, and the
// button's tooltip names it.
void bindKey(QWidget& window, QAbstractButton* button, const QKeySequence& key);
void bindKeys(QWidget& window, std::initializer_list<std::pair<QAbstractButton*, QKeySequence>> keys);

}  // namespace stratagon
