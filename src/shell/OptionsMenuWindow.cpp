#include "shell/OptionsMenuWindow.h"

#include "shell/Program.h"

namespace stratagon {

OptionsMenuWindow::OptionsMenuWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Optionsmenü "));
}

}  // namespace stratagon
