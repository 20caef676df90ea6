// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogWindow.h"

#include <QCloseEvent>

namespace stratagon {

DialogWindow::DialogWindow(QWidget* parent, Qt::WindowModality modality) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(parent ? modality : Qt::NonModal);
}

void DialogWindow::reject() { close(); }

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // Accepted as any window's: QDialog's own handling would come back
    // through reject() and close a second time.
    event->accept();
    // The keys go back to the window it belongs to, whatever the window
    // manager does: a keyboard player is never left without a window.
    if (parentWidget() && isActiveWindow())
        parentWidget()->window()->activateWindow();
}

}  // namespace stratagon
