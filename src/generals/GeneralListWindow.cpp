#include "generals/GeneralListWindow.h"

#include "shell/Program.h"

namespace stratagon {

GeneralListWindow::GeneralListWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Generalliste"));
}

void GeneralListWindow::form2_start() {}
}  // namespace stratagon
