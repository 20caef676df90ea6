// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/CacheFile.h"

#include "storage/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace stratagon {

void writeCacheFile(const QString& file, const QByteArray& bytes)
{
    if (file.isEmpty())
        return;
    QDir().mkpath(QFileInfo(file).absolutePath());
    writeFileAtomically(QFile::encodeName(file).toStdString(),
                        std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

}  // namespace stratagon
