#include "platform/AppPaths.h"

#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace stratagon {

AppPaths::AppPaths(QString programFolder) : programFolder_(std::move(programFolder))
{
    // Running in place is recognised by the maps beside the program.
    installed_ = !QFileInfo(resolvePath(programFolder_, QStringLiteral("cards"))).isDir();
    dataFolder_ = programFolder_;
    configFolder_ = programFolder_;
    userDataFolder_ = programFolder_;
    // TODO(desktop): installed mode.
}

QString AppPaths::resource(const QString& relative) const
{
    return resolvePath(dataFolder_, relative);
}

QString AppPaths::settingsFile() const
{
    return resolvePath(configFolder_, QStringLiteral("game.dat"));
}

QString AppPaths::defaultSettingsFile() const
{
    return resource(QStringLiteral("game.dat"));
}

QString AppPaths::preferencesFile() const
{
    return QDir(configFolder_).filePath(QStringLiteral("stratagon.ini"));
}

QString AppPaths::savesFolder() const
{
    return QDir(userDataFolder_).filePath(QStringLiteral("saves"));
}

QStringList AppPaths::mapFolders() const
{
    return {resource(QStringLiteral("cards"))};
}

QStringList AppPaths::prepare() const
{
    return {};
}

}  // namespace stratagon
