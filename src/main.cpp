#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "shell/Program.h"
#include "world/Random.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QIcon>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Windows close and open one another; the program ends only by "Beenden".
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Stratagon"));

    auto world = std::make_unique<stratagon::WorldState>();
    stratagon::TimeSeededRandom random;
    stratagon::QtDialogs dialogs;
    stratagon::Program program(*world, random, dialogs, stratagon::programFolder());
    QApplication::setWindowIcon(QIcon(program.path(QStringLiteral("data/Stratagon.png"))));
    if (!program.start())
        return 1;
    return app.exec();
}
