#include "shell/OpponentPickWindow.h"

#include "platform/WindowStyle.h"
#include "shell/NewGameWindow.h"
#include "shell/Program.h"
#include "simulation/Opponents.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>

namespace stratagon {

OpponentPickWindow::OpponentPickWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Wie viele Gegner ?"));
    useCompactFont(*this);
    setFixedSize(200, 124);
    useDarkGreenBackground(*this);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("opponentCountList"));
    list_->setGeometry(8, 8, 184, 74);
    for (int n = 1; n <= MaxOpponents; ++n)
        list_->addItem(QStringLiteral("%1 Gegner").arg(n));
    // The current number stands selected, so "OK" alone keeps it.
    list_->setCurrentRow(program_.preferences().opponentCount() - 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(8, 90, 88, 25);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setGeometry(104, 90, 88, 25);
    connect(ok, &QPushButton::clicked, this, &OpponentPickWindow::accept);
    connect(list_, &QListWidget::itemActivated, this, &OpponentPickWindow::accept);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    centreOnScreen(*this);
}

void OpponentPickWindow::accept()
{
    const int row = list_->currentRow();
    if (row >= 0 && row < MaxOpponents) {
        program_.preferences().setOpponentCount(row + 1);
        if (NewGameWindow* newGame = program_.newGameWindow())
            newGame->showOpponentCount(row + 1);
    }
    close();
}

void OpponentPickWindow::closeEvent(QCloseEvent* event)
{
    if (NewGameWindow* newGame = program_.newGameWindow()) {
        newGame->setEnabled(true);
        newGame->raise();
        newGame->activateWindow();
    }
    event->accept();
}

}  // namespace stratagon
