#include "shell/NewGameWindow.h"

#include "shell/Program.h"

namespace stratagon {

NewGameWindow::NewGameWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Neues Spiel"));
}

}  // namespace stratagon
