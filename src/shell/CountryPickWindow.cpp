#include "shell/CountryPickWindow.h"

#include "shell/Program.h"

namespace stratagon {

CountryPickWindow::CountryPickWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Welches Land ?"));
}

}  // namespace stratagon
