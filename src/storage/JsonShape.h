// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A JSON file of the game (a save, the save index, the map verdicts), looked
// over in one pass before Qt builds anything of it. Qt's document costs some
// 20 bytes for every value and 170 for every list or object on top of the
// text, so a file of a few megabytes could take gigabytes and minutes; with
// these limits reading one costs a known amount at most.

#include <QByteArray>
#include <QJsonDocument>
#include <QString>

namespace stratagon {

struct JsonLimits {
    int depth = 16;             // lists and objects inside one another
    qsizetype longestText = 0;  // bytes of one string or key as written, quotes and escapes included
    qsizetype allText = 0;      // bytes of all strings and keys together
    qsizetype values = 0;       // values, keys included
    qsizetype containers = 0;   // lists and objects
};

struct JsonRead {
    QJsonDocument document;  // null when refused
    // Why not, in the current language, a clause for "Der Spielstand ist
    // beschädigt: …"; empty when read.
    QString fault;
};

// The document in `bytes` when it keeps within `limits`, else none and why.
JsonRead readJson(const QByteArray& bytes, const JsonLimits& limits);

// `text` cut to at most `longest` UTF-16 units, never between the two
// halves of a character.
QString cutText(const QString& text, qsizetype longest);

}  // namespace stratagon
