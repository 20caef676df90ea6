#include "TestSupport.h"

#include "shell/LoadingWindow.h"
#include "shell/OptionsMenuWindow.h"
#include "world/Settings.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <cerrno>

using namespace stratagon;
using stratagon::test::TestProgram;

namespace {

void writeGameDat(const TestProgram& t, const QByteArray& bytes)
{
    QFile file(t.path(QStringLiteral("game.dat")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

template <typename W>
int visibleWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<W*>(w) && w->isVisible())
            ++count;
    return count;
}

// The start-up that fails shows one box, fills nothing and opens nothing.
void expectFailedStart(TestProgram& t, const QString& description, int number)
{
    EXPECT_FALSE(t.program->start());
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].kind, "message");
    EXPECT_EQ(t.dialogs.shown[0].text,
              QStringLiteral("Ein Fehler ist aufgetreten : ") + description +
                  QStringLiteral(" Das Programm wird beendet."));
    EXPECT_EQ(t.dialogs.shown[0].title, QStringLiteral("Fehler : ") + QString::number(number));
    EXPECT_EQ(t.program->optionsMenu(), nullptr);
    EXPECT_EQ(visibleWindows<OptionsMenuWindow>(), 0);
    EXPECT_EQ(visibleWindows<LoadingWindow>(), 0);
    EXPECT_TRUE(t.world->statusText[0].empty());
    EXPECT_EQ(t.world->monthInterval, 0);
}

}  // namespace

TEST(StartUp, WithoutGameDatTheErrorBoxEndsTheProgram)
{
    TestProgram t;
    ASSERT_TRUE(QFile::remove(t.path(QStringLiteral("game.dat"))));
    expectFailedStart(t, QStringLiteral("Datei nicht gefunden."), ENOENT);
}

TEST(StartUp, OneNumberOnlyFailsLikeAMissingFile)
{
    TestProgram t;
    writeGameDat(t, " 20000 \r\n");
    expectFailedStart(t, QString::fromStdString(describeError(ENODATA)), ENODATA);
}

TEST(StartUp, AGoodGameDatFillsTheSettingsAndStatusTextsAndOpensTheMenu)
{
    TestProgram t;
    writeGameDat(t, "1250,4\r\n");
    ASSERT_TRUE(t.program->start());
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(t.world->monthInterval, 1250);
    EXPECT_EQ(t.world->aiDivisor, 4);
    EXPECT_EQ(t.world->statusText[0], "Bereit für den Einsatz");
    EXPECT_EQ(t.world->statusText[1], "Wird Ausgebildet");
    EXPECT_EQ(t.world->statusText[2], "Wird im Kampf eingesetzt");

    OptionsMenuWindow* menu = t.program->optionsMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->windowTitle(), QStringLiteral("Optionsmenü "));
    EXPECT_FALSE(t.program->playing());
    EXPECT_EQ(visibleWindows<LoadingWindow>(), 0);
}

TEST(StartUp, TheShippedGameDatIsReadable)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start()) << t.dialogs.shown.size();
    EXPECT_GT(t.world->monthInterval, 0);
    EXPECT_GT(t.world->aiDivisor, 0);
}
