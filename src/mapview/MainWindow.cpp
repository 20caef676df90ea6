#include "mapview/MainWindow.h"

#include "shell/Program.h"
#include "world/WorldState.h"

#include <QTimer>

namespace stratagon {

MainWindow::MainWindow(Program& program) : program_(program), clockTimer_(new QTimer(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Stratagon !"));
}

MainWindow::~MainWindow() = default;

bool MainWindow::playing() const { return program_.world.playing; }
void MainWindow::setPlaying(bool value) { program_.world.playing = value; }
int& MainWindow::r() { return program_.world.r; }
int& MainWindow::kl() { return program_.world.kl; }
int& MainWindow::jk() { return program_.world.jk; }
int& MainWindow::hh() { return program_.world.hh; }
int& MainWindow::bb() { return program_.world.bb; }
std::string& MainWindow::Kontinent() { return program_.world.Kontinent; }
int& MainWindow::Genralmenge() { return program_.world.Genralmenge; }
std::string& MainWindow::land() { return program_.world.land; }

void MainWindow::Startat() {}

}  // namespace stratagon
