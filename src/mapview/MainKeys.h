// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class QAbstractButton;
class QWidget;

namespace stratagon {

// A key for a button of a window, also while the button is hidden (the side
// menu's buttons): it clicks the button when the button may be used, and the
// button's tooltip names it.
void bindKey(QWidget& window, QAbstractButton* button, const QKeySequence& key);
void bindKeys(QWidget& window, std::initializer_list<std::pair<QAbstractButton*, QKeySequence>> keys);

// Keys that act anywhere in `window`, whatever has the focus there (a
// button, a list): Space, - and +, without Ctrl, Alt or Meta. The key's
// action is called and nobody else sees the key, so that Space never presses
// a button and + never searches a list instead.
using WindowKeys = std::vector<std::pair<Qt::Key, std::function<void()>>>;
void bindWindowKeys(QWidget& window, WindowKeys keys);

}  // namespace stratagon
