// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "platform/Language.h"
#include "session/SessionClock.h"

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[])
{
    // Test discovery runs this binary without ctest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // As the game starts for a German reader: the plural forms come from a catalog.
    stratagon::Translations german;
    german.use(QStringLiteral("de"));
    stratagon::SessionClock::useTimeSource([] { return stratagon::test::sessionTime(); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
