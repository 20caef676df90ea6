// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts that follow the language: `apply` sets them (with tr()) now and
// again on every QEvent::LanguageChange that reaches `owner`, for as long
// as `owner` lives. The widget whose texts are set is the natural owner, so
// the texts and their setter go together.

#include <QObject>
#include <functional>

class QWidget;

namespace stratagon {

void followLanguage(QWidget* owner, std::function<void()> apply);

}  // namespace stratagon
