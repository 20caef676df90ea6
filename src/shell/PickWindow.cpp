// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/PickWindow.h"

#include "platform/WindowStyle.h"
#include "platform/Retranslate.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>

namespace stratagon {

PickWindow::PickWindow(QSize size, QWidget* parent) : DialogWindow(parent, Qt::WindowModal)
{
    useCompactFont(*this);
    setFixedSize(size);
    useDarkGreenBackground(*this);
}

void PickWindow::addPickButtons(QListWidget* list, int y, int buttonWidth)
{
    auto* ok = new QPushButton(this);
    ok->setGeometry(8, y, buttonWidth, 25);
    auto* cancel = new QPushButton(this);
    cancel->setGeometry(width() - 8 - buttonWidth, y, buttonWidth, 25);
    followLanguage(this, [ok, cancel] {
        ok->setText(tr("OK"));
        cancel->setText(tr("Abbrechen"));
    });
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PickWindow::accept);
    connect(list, &QListWidget::itemActivated, this, &PickWindow::accept);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

void PickWindow::closeEvent(QCloseEvent* event)
{
    emit closed();
    DialogWindow::closeEvent(event);
}

}  // namespace stratagon
