#include "shell/SettingsWindow.h"

#include "shell/Program.h"

namespace stratagon {

SettingsWindow::SettingsWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Spiel bedingte Einstellungen"));
}

}  // namespace stratagon
