// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/CacheFile.h"

#include "storage/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace stratagon {

QByteArray readCacheFile(const QString& file, qsizetype limit)
{
    QByteArray bytes;
    if (file.isEmpty())
        return bytes;
    const FileResult read = readRegularFile(
        QFile::encodeName(file).toStdString(), std::size_t(limit),
        [&bytes](std::size_t n) {
            bytes.resize(qsizetype(n));
            return bytes.data();
        },
        Links::Refuse);
    if (!read.ok || bytes.size() > limit)
        bytes.clear();
    return bytes;
}

void writeCacheFile(const QString& file, const QByteArray& bytes)
{
    if (file.isEmpty())
        return;
    QDir().mkpath(QFileInfo(file).absolutePath());
    writeFileAtomically(QFile::encodeName(file).toStdString(),
                        std::string_view(bytes.constData(), std::size_t(bytes.size())), Replace::Entry);
}

}  // namespace stratagon
