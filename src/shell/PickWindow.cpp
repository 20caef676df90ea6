// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/PickWindow.h"

#include "platform/WindowStyle.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>

namespace stratagon {

PickWindow::PickWindow(const QString& title, QSize size)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    useCompactFont(*this);
    setFixedSize(size);
    useDarkGreenBackground(*this);
}

void PickWindow::addPickButtons(QListWidget* list, int y, int buttonWidth)
{
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(8, y, buttonWidth, 25);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setGeometry(width() - 8 - buttonWidth, y, buttonWidth, 25);
    connect(ok, &QPushButton::clicked, this, &PickWindow::accept);
    connect(list, &QListWidget::itemActivated, this, &PickWindow::accept);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

void PickWindow::closeEvent(QCloseEvent* event)
{
    emit closed();
    event->accept();
}

}  // namespace stratagon
