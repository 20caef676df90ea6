// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

#include "platform/AppPaths.h"
#include "platform/Paths.h"
#include "shell/SaveGames.h"

using namespace stratagon;
using namespace stratagon::test;

namespace {

// An installed tree <prefix>/games + <prefix>/share/stratagon, and the
// player's XDG folders, all below one temporary folder.
struct InstalledTree {
    InstalledTree()
    {
        QDir(root.path()).mkpath("games");
        copyTree(QStringLiteral(STRATAGON_ASSETS), root.path() + "/share/stratagon");
        qputenv("XDG_CONFIG_HOME", (root.path() + "/config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", (root.path() + "/data").toLocal8Bit());
    }
    ~InstalledTree()
    {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
    }
    QString path(const QString& relative) const { return root.path() + '/' + relative; }
    QTemporaryDir root;
};

}  // namespace

// In place everything stays beside the program; installed, the shipped files
// come from ../share/stratagon and the player's from his XDG folders.
TEST(AppPaths, InPlaceAndInstalledModesPutEveryFileWhereItBelongs)
{
    TestProgram inPlace;
    InstalledTree tree;
    const QString here = inPlace.folder.path();
    const struct {
        AppPaths paths;
        bool installed;
        QString map, settings, preferences, saves;
        QStringList mapFolders;
    } cases[] = {
        {AppPaths(here), false, here + "/cards/Afrika.mgi", here + "/game.dat", here + "/stratagon.ini",
         here + "/saves", {here + "/cards"}},
        {AppPaths(tree.path("games")), true, tree.path("share/stratagon/cards/Afrika.mgi"),
         tree.path("config/stratagon/game.dat"), tree.path("config/stratagon/stratagon.ini"),
         tree.path("data/stratagon/saves"), {tree.path("share/stratagon/cards"), tree.path("data/stratagon/cards")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.installed);
        EXPECT_EQ(c.paths.installed(), c.installed);
        EXPECT_EQ(c.paths.resource("Cards/Afrika.mgi"), c.map);
        EXPECT_EQ(c.paths.settingsFile(), c.settings);
        EXPECT_EQ(c.paths.preferencesFile(), c.preferences);
        EXPECT_EQ(c.paths.savesFolder(), c.saves);
        EXPECT_EQ(c.paths.mapFolders(), c.mapFolders);
        EXPECT_TRUE(c.paths.prepare().isEmpty());
    }
    // The first start copied the default, writable; in place nothing was made.
    EXPECT_TRUE(QFileInfo(tree.path("config/stratagon/game.dat")).isWritable());
    EXPECT_TRUE(QFileInfo(tree.path("data/stratagon/saves")).isDir());
    EXPECT_FALSE(QFileInfo::exists(here + "/saves"));
}

// A config folder that cannot be made: the box names it, the game starts on
// the shipped settings, and saving them later fails with the error box
// instead of writing over the shipped file.
TEST(AppPaths, AnUnmakeableConfigFolderIsToldAndTheGameStillStarts)
{
    InstalledTree tree;
    QFile blocker(tree.path("config"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray shipped = " 416 \r\n 256 \r\n";
    QFile dat(tree.path("share/stratagon/game.dat"));
    ASSERT_TRUE(dat.open(QIODevice::WriteOnly) && dat.write(shipped) == shipped.size());
    dat.close();

    WorldState world;
    SeededRandom random{1};
    ScriptedDialogs dialogs;
    Program program(world, random, dialogs, tree.path("games"));
    ASSERT_TRUE(program.start());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith("Der Ordner „" + tree.path("config/stratagon") +
                                                 "“ lässt sich nicht anlegen."));
    EXPECT_EQ(world.monthInterval, 416);
    ASSERT_TRUE(program.optionsMenu() && program.optionsMenu()->isVisible());

    press(program.optionsMenu(), "Optionen");
    program.settingsWindow()->yearSlider()->setValue(8);  // a change, which game.dat cannot take
    press(program.settingsWindow(), "OK");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[1].title.startsWith("Fehler : "));
    ASSERT_TRUE(dat.open(QIODevice::ReadOnly));
    EXPECT_EQ(dat.readAll(), shipped);
}

// No HOME, no XDG_*: nothing is made at the filesystem root or in the working
// folder; the game starts on the shipped settings and says once that nothing
// can be kept.
TEST(AppPaths, WithoutAHomeTheGameStartsAndSaysOnceThatNothingIsKept)
{
    InstalledTree tree;
    QTemporaryDir cwd;
    struct NoHome {  // undone whatever the test's outcome
        NoHome(const QString& folder)
        {
            qunsetenv("HOME");
            qunsetenv("XDG_CONFIG_HOME");
            qunsetenv("XDG_DATA_HOME");
            QDir::setCurrent(folder);
        }
        ~NoHome()
        {
            QDir::setCurrent(cwd);
            qputenv("HOME", home);
        }
        QByteArray home = qgetenv("HOME");
        QString cwd = QDir::currentPath();
    };
    {
        const NoHome noHome(cwd.path());
        WorldState world;
        SeededRandom random{1};
        ScriptedDialogs dialogs;
        Program program(world, random, dialogs, tree.path("games"));
        EXPECT_FALSE(program.paths().hasUserFolders());
        ASSERT_TRUE(program.start());
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_TRUE(dialogs.shown[0].text.startsWith("Es gibt keinen Benutzerordner"));
        EXPECT_EQ(world.monthInterval, 2500);
        EXPECT_EQ(program.paths().mapFolders(), QStringList{tree.path("share/stratagon/cards")});
        // A choice lasts the session, written nowhere.
        program.preferences().setZoomPercent(150);
        EXPECT_EQ(program.preferences().zoomPercent(), 150);
        EXPECT_TRUE(saveFileFor(program.paths(), "Stand").isEmpty());
    }
    EXPECT_TRUE(QDir(cwd.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_FALSE(QFileInfo::exists("/.config/stratagon") || QFileInfo::exists("/.local/share/stratagon"));
}

// The picture beside a map is found in any letter case, the exact spelling
// first; without one the path names where it belongs, so a load fails on it.
TEST(AppPaths, MapPictureIsFoundInAnyLetterCase)
{
    QTemporaryDir dir;
    const auto touch = [&](const QString& name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly);
    };
    ASSERT_TRUE(touch("Eigene.BMP") && touch("Beide.bmp") && touch("Beide.Bmp") && touch("klein.bmp"));
    EXPECT_EQ(mapPictureFor(dir.filePath("Eigene.mgi")), dir.filePath("Eigene.BMP"));
    EXPECT_EQ(mapPictureFor(dir.filePath("Beide.MGI")), dir.filePath("Beide.bmp"));
    EXPECT_EQ(mapPictureFor(dir.filePath("Klein.mgi")), dir.filePath("klein.bmp"));
    EXPECT_EQ(mapPictureFor(dir.filePath("Fehlt.mgi")), dir.filePath("Fehlt.bmp"));
    EXPECT_FALSE(QFileInfo::exists(mapPictureFor(dir.filePath("Fehlt.mgi"))));
}
