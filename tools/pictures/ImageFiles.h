// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writing the drawn pictures: PNG through Qt, and ICO files of several sizes,
// which Qt's image writer does not make.

#include <QImage>
#include <QString>
#include <vector>

bool writePng(const QImage& img, const QString& path);
// An ICO file holding one 32-bit DIB per size.
bool writeIco(const std::vector<QImage>& images, const QString& path);
