// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's strings as text in test names and failure messages, not as bytes.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
