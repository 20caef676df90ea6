// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keyboard in every window of the program, in one place:
// - Return on a focused button presses it, as Space does;
// - Escape closes a window through its "Abbrechen" or "Schließen" button;
// - the focused control carries a ring of black and white that reads on
//   the light windows and on the dark green ones alike.
// Once per program; further calls do nothing.

namespace stratagon {

void installKeyboardAccess();

// The text size of every window in per cent of the system's (100..200): the
// application font grows, and windows that set a font of their own follow.
void applyTextSize(int percent);
int textSizePercent();

}  // namespace stratagon
