// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Paths.h"

#include "world/MapLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace stratagon {

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString resolvePath(const QString& folder, const QString& relative)
{
    QString current = folder;
    const QStringList parts = QString(relative).replace('\\', '/').split('/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        QDir dir(current);
        QString name = part;
        if (!dir.exists(part)) {
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
            for (const QString& entry : entries)
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    name = entry;
                    break;
                }
        }
        current = dir.filePath(name);
    }
    return current;
}

QString mapPictureFor(const QString& mapFile)
{
    return resolvePath(QFileInfo(mapFile).absolutePath(), qs(mapPictureName(ss(mapFile))));
}

}  // namespace stratagon
