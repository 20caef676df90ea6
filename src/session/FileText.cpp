// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/FileText.h"

#include "session/GameText.h"
#include "world/Settings.h"

namespace stratagon::gametext {

QString reason(const FileResult& result) { return render(result.reason); }

QString notice(const FileResult& result) { return render(result.notice, u"\n"); }

}  // namespace stratagon::gametext
