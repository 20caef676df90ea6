#include "shell/CreditsWindow.h"

#include "shell/Program.h"

namespace stratagon {

CreditsWindow::CreditsWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("                                                    Credits"));
}

}  // namespace stratagon
