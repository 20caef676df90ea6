// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An event filter that sees every event of the program, made and installed
// once; later calls find the one there is. None before the application exists.

#include <QCoreApplication>
#include <QPointer>

namespace stratagon {

template <typename Filter>
Filter* installAppFilter()
{
    static QPointer<Filter> installed;
    if (!installed && qApp) {
        installed = new Filter(qApp);
        qApp->installEventFilter(installed);
    }
    return installed;
}

}  // namespace stratagon
