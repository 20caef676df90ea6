// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/FileText.h"

#include "session/GameText.h"
#include "world/Settings.h"

namespace stratagon::gametext {

namespace {

QString joined(const std::vector<Text>& parts, QStringView separator)
{
    QString out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            out += separator;
        out += render(parts[i]);
    }
    return out;
}

}  // namespace

QString reason(const FileResult& result) { return joined(result.reason, {}); }

QString notice(const FileResult& result) { return joined(result.notice, u"\n"); }

}  // namespace stratagon::gametext
