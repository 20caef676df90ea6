// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageFiles.h"

#include <QFile>
#include <QtEndian>

bool writePng(const QImage& img, const QString& path)
{
    return img.convertToFormat(img.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32).save(path, "PNG");
}

// An ICO file holding one 32-bit DIB per size; QImageWriter writes only one.
bool writeIco(const std::vector<QImage>& images, const QString& path)
{
    QByteArray dir, data;
    auto put16 = [](QByteArray& b, quint16 v) {
        v = qToLittleEndian(v);
        b.append(reinterpret_cast<const char*>(&v), 2);
    };
    auto put32 = [](QByteArray& b, quint32 v) {
        v = qToLittleEndian(v);
        b.append(reinterpret_cast<const char*>(&v), 4);
    };
    put16(dir, 0);
    put16(dir, 1);
    put16(dir, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (const QImage& source : images) {
        const QImage img = source.convertToFormat(QImage::Format_ARGB32);
        const int w = img.width(), h = img.height();
        const int maskStride = ((w + 31) / 32) * 4;
        QByteArray entry;
        put32(entry, 40);
        put32(entry, quint32(w));
        put32(entry, quint32(2 * h));  // colour rows and mask rows
        put16(entry, 1);
        put16(entry, 32);
        put32(entry, 0);
        put32(entry, quint32(w * h * 4 + maskStride * h));
        for (int i = 0; i < 4; ++i)
            put32(entry, 0);
        QByteArray mask;
        for (int y = h - 1; y >= 0; --y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            QByteArray bits(maskStride, '\0');
            for (int x = 0; x < w; ++x) {
                put32(entry, row[x]);  // ARGB32 is BGRA in memory order, as a DIB wants
                if (qAlpha(row[x]) == 0)
                    bits[x / 8] = char(bits[x / 8] | (0x80 >> (x % 8)));
            }
            mask += bits;
        }
        entry += mask;
        dir.append(char(w >= 256 ? 0 : w));
        dir.append(char(h >= 256 ? 0 : h));
        dir.append(char(0));
        dir.append(char(0));
        put16(dir, 1);
        put16(dir, 32);
        put32(dir, quint32(entry.size()));
        put32(dir, offset);
        offset += quint32(entry.size());
        data += entry;
    }
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(dir + data) == dir.size() + data.size();
}
