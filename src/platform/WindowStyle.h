// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Looks shared by the program's small windows.

class QWidget;

namespace stratagon {

// RGB 0, 128, 0 behind the window and its labels, with white text on it.
void useDarkGreenBackground(QWidget& window);

// The shell's windows place their controls in fixed pixel boxes; a small,
// slightly narrow font keeps their texts whole.
void useCompactFont(QWidget& window);

// Centres the window on the primary screen.
void centreOnScreen(QWidget& window);

// Centres the window over the window that opened it, kept on that window's
// screen; on the screen when there is no opener.
void centreOver(QWidget& window, const QWidget* opener);

}  // namespace stratagon
