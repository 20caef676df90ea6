// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A window that belongs to another one: the window manager keeps it above
// its parent (the parent becomes its transient owner), and a modal one is the
// only one of the two that takes input, as long as it is open. Every way out
// (its buttons, Escape, the frame's close box) ends in closeEvent, so that a
// window tidies up in one place; closing deletes it.

#include <QDialog>

namespace stratagon {

class DialogWindow : public QDialog {
    Q_OBJECT
public:
    // Without a parent the window stands alone (the options menu before a game).
    DialogWindow(QWidget* parent, Qt::WindowModality modality);

    // Escape and the like close the window the way its close box does.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace stratagon
