#include "generals/TaskWindow.h"

#include "shell/Program.h"

namespace stratagon {

TaskWindow::TaskWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Aufgabe des Generals"));
}

}  // namespace stratagon
