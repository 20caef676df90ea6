// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogWindow.h"

class QListWidget;

namespace stratagon {

// What the small choice windows of the new-game window (map, opponents,
// country) have in common: a compact dark-green window of fixed size over
// the new-game window, which waits meanwhile, a list with "OK" and
// "Abbrechen" below it. A window adds its list and says in
// accept() what was chosen, by a signal of its own; it never writes the
// choice anywhere itself. Every way out ends in closed(), after the choice.
class PickWindow : public DialogWindow {
    Q_OBJECT
signals:
    void closed();

protected:
    PickWindow(QSize size, QWidget* parent);

    // "OK" and "Abbrechen", `buttonWidth` wide, at height `y` and 8 pixels in
    // from either side; "OK" and a double click (or Enter) in `list` accept.
    void addPickButtons(QListWidget* list, int y, int buttonWidth);

    // Reports the chosen entry, if any, and closes the window.
    virtual void accept() = 0;

    void closeEvent(QCloseEvent* event) override;
};

}  // namespace stratagon
