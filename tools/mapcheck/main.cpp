// SPDX-License-Identifier: GPL-3.0-or-later
// Checks a map of one's own as the game does before it starts one: loads the
// .mgi file and its picture and prints every fault found, one per line.
//
//   mapcheck Karte.mgi [Karte.bmp]
//
// Exit status 0: playable; 1: faults printed; 2: wrong arguments.

#include "mapview/MapSurface.h"
#include "world/MapLoader.h"
#include "world/Playability.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

using namespace stratagon;

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "Aufruf: mapcheck KARTE.mgi [BILD.bmp]\n");
        return 2;
    }
    // Pictures need no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    const QString mapPath = QString::fromLocal8Bit(argv[1]);
    const QFileInfo map(mapPath);
    const QString picturePath =
        argc == 3 ? QString::fromLocal8Bit(argv[2])
                  : map.path() + QStringLiteral("/") + map.completeBaseName() + QStringLiteral(".bmp");

    auto world = std::make_unique<WorldState>();
    const MapLoadResult loaded = loadMap(*world, argv[1]);
    if (!loaded.ok) {
        std::printf("%s\n", germanText(loaded.message).c_str());
        return 1;
    }
    std::vector<Text> findings;
    MapSurface picture;
    if (picture.load(picturePath)) {
        findings = checkPlayability(*world, &picture);
    } else {
        findings = checkPlayability(*world, nullptr);
        const Text problem = picture.problem();
        findings.push_back(problem.empty() ? Text::verbatim("Das Kartenbild " + picturePath.toStdString() +
                                                            " fehlt oder ist kein lesbares Bild.")
                                           : problem);
    }
    // The tool speaks German, as its usage line does.
    for (const Text& finding : findings)
        std::printf("%s\n", germanText(finding).c_str());
    if (!findings.empty())
        return 1;
    std::printf("Die Karte ist spielbar: %d Länder, Raster %d × %d, Bild %d × %d.\n", world->countryCount,
                world->gridColumns, world->gridRows, picture.width(), picture.height());
    return 0;
}
