#include "generals/DeployWindow.h"

#include "shell/Program.h"

namespace stratagon {

DeployWindow::DeployWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("General für den Kampf einsetzen"));
}

}  // namespace stratagon
