// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace stratagon {

// The folder of the program file, whatever the working directory.
QString programFolder();

// A path below `folder` given as "cards/Afrika.mgi" or "Data/Info.ico":
// each part is matched without regard to case when the exact name is absent,
// so "Data" and "data" name one folder.
QString resolvePath(const QString& folder, const QString& relative);

// The picture beside a map file: the map's base name with ".bmp", found as
// resolvePath finds names, so "Karte.BMP" serves "Karte.mgi". Where there is
// none, the path such a picture would have.
QString mapPictureFor(const QString& mapFile);

// Conversions between the rules' UTF-8 strings and Qt's.
inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string ss(const QString& s) { return s.toStdString(); }

}  // namespace stratagon
