#include "generals/RanksWindow.h"

#include "shell/Program.h"

namespace stratagon {

RanksWindow::RanksWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Dienstgrade"));
}

}  // namespace stratagon
