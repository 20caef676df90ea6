// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/Language.h"
#include "platform/Paths.h"
#include "shell/Program.h"
#include "world/Random.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// For the installation check: every box goes to stderr instead of waiting
// for a click that never comes.
class PrintedDialogs final : public stratagon::Dialogs {
public:
    void message(QWidget*, const QString& text, const QString& title) override
    {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(title), qPrintable(text));
    }
    bool question(QWidget* parent, const QString& text, const QString& title) override
    {
        message(parent, text, title);
        return false;
    }
    QString input(QWidget* parent, const QString& prompt, const QString& title, const QString&) override
    {
        message(parent, prompt, title);
        return {};
    }
};

const char* const Usage =
    QT_TRANSLATE_NOOP("Main", "Aufruf: stratagon [--help] [--version]\n"
                              "Ein Echtzeit-Strategiespiel für einen Spieler: Du wirbst Generäle an "
                              "und eroberst die Länder einer Karte.\n"
                              "\n"
                              "  --help     zeigt diese Hilfe\n"
                              "  --version  zeigt die Version\n");

// --help and --version answer before Qt starts: without a display too. The
// help speaks the system's language; the game's choice is in files not
// opened yet.
bool answeredAtOnce(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("stratagon %s\n", STRATAGON_VERSION);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            QTranslator catalog;
            QString text;
            if (stratagon::systemLanguage() != QLatin1String("de") &&
                catalog.load(QStringLiteral("windows_") + stratagon::systemLanguage(), QStringLiteral(":/i18n")))
                text = catalog.translate("Main", Usage);
            std::fputs((text.isEmpty() ? QString::fromUtf8(Usage) : text).toLocal8Bit().constData(), stdout);
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (answeredAtOnce(argc, argv))
        return 0;
    // Before Qt starts any thread: without HOME every per-user path would
    // begin at the filesystem root.
    stratagon::AppPaths::completeHome();
    QApplication app(argc, argv);
    // Windows close and open one another; the program ends only by "Beenden".
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Stratagon"));
    QApplication::setApplicationVersion(QStringLiteral(STRATAGON_VERSION));
    // Lets the window system match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(STRATAGON_APP_ID));

    // STRATAGON_CHECK_START: start, open the new-game window (it reads the
    // map), print the side found and end; used by the installation tests.
    const bool check = qEnvironmentVariableIsSet("STRATAGON_CHECK_START");

    auto world = std::make_unique<stratagon::WorldState>();
    stratagon::TimeSeededRandom random;
    stratagon::QtDialogs shownDialogs;
    PrintedDialogs printedDialogs;
    stratagon::Dialogs& dialogs = check ? static_cast<stratagon::Dialogs&>(printedDialogs) : shownDialogs;
    stratagon::Program program(*world, random, dialogs, stratagon::programFolder());
    // The player's language, or the system's; Qt's own texts (a text field's
    // context menu and the like) follow when Qt's translations are installed.
    program.useLanguage(stratagon::chosenLanguage(program.preferences()));
    QApplication::setWindowIcon(QIcon(program.path(QStringLiteral("data/Stratagon.png"))));
    if (!program.start())
        return 1;
    if (check) {
        program.showNewGame();
        std::printf("%d %s\n", world->countryCount,
                    world->countryCount > 0 ? world->countryName[world->side[0]].c_str() : "");
        return 0;
    }
    // The effects load once the menu is up: the start waits for no sound server.
    QTimer::singleShot(0, &program, &stratagon::Program::startSound);
    return app.exec();
}
