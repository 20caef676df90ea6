// "General für den Kampf einsetzen", opened by a click on a neighbour: the
// choice, the refusals with their messages and the battle it opens.

#include "MainWindowFixture.h"

#include "generals/DeployWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace stratagon::test {
namespace {

const QString NotReadyText = QStringLiteral("Der angewählte General ist nicht bereit !!!");

class DeployWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        t = fixtureProgram();
        main = t->program->showMainWindow();
        ASSERT_NE(main, nullptr);
    }
    void TearDown() override { flushDeletes(); }

    // A click on `country` in battle mode; the deployment window it opens.
    DeployWindow* openOn(int country)
    {
        clickCountry(*main, country);
        return t->program->deployWindow();
    }
    QString text(const char* name) { return deploy()->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    DeployWindow* deploy() { return t->program->deployWindow(); }
    QListWidget* list() { return deploy()->findChild<QListWidget*>(QStringLiteral("generalList")); }
    void choose(int row) { list()->setCurrentRow(row); }
    void pressAttack() { deploy()->findChild<QPushButton*>(QStringLiteral("launchAttack"))->click(); }
    QColor readinessColour()
    {
        auto* label = deploy()->findChild<QLabel*>(QStringLiteral("readinessLabel"));
        return label->palette().color(QPalette::WindowText);
    }
    // The game goes on: clock running, main window enabled, this window gone.
    void expectGameResumed()
    {
        EXPECT_TRUE(main->clockTimer()->isActive());
        EXPECT_TRUE(main->isEnabled());
        flushDeletes();
        EXPECT_EQ(t->program->deployWindow(), nullptr);
    }

    WorldState& world() { return *t->world; }
    std::unique_ptr<TestProgram> t;
    MainWindow* main = nullptr;
};

TEST_F(DeployWindowTest, ListsEveryGeneralAndShowsDashesUntilAChoice)
{
    world().generalStatus[1][2] = InBattle;
    ASSERT_NE(openOn(2), nullptr);
    EXPECT_EQ(deploy()->windowTitle(), "General für den Kampf einsetzen");
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->item(0)->text(), "Anna");
    EXPECT_EQ(list()->item(1)->text(), "Bert") << "listed although in battle";
    EXPECT_EQ(text("epLabel"), "-");
    EXPECT_EQ(text("rankLabel"), "-");
    EXPECT_EQ(text("taskLabel"), "-");
    EXPECT_EQ(text("readinessLabel"), "N.A.");
    EXPECT_EQ(readinessColour(), QColor(255, 0, 0));
    EXPECT_TRUE(deploy()->findChild<QLabel*>(QStringLiteral("readinessLabel"))->font().bold());

    choose(0);
    EXPECT_EQ(text("epLabel"), QString::number(world().generalEP[1][1]));
    EXPECT_EQ(text("taskLabel"), "Wird Ausgebildet");
    EXPECT_EQ(text("readinessLabel"), "Bereit") << "training counts as ready";
    EXPECT_EQ(readinessColour(), QColor(0, 255, 0));

    choose(1);
    EXPECT_EQ(text("taskLabel"), "Wird im Kampf eingesetzt");
    EXPECT_EQ(text("readinessLabel"), "N. Bereit");
    EXPECT_EQ(readinessColour(), QColor(255, 0, 0));
}

TEST_F(DeployWindowTest, NotReadyKeepsTheWindowOpen)
{
    world().generalStatus[1][2] = InBattle;
    ASSERT_NE(openOn(2), nullptr);
    pressAttack();  // no choice yet
    choose(1);
    pressAttack();  // in battle
    ASSERT_EQ(t->dialogs.shown.size(), 2u);
    for (const ShownMessage& m : t->dialogs.shown) {
        EXPECT_EQ(m.text, NotReadyText);
        EXPECT_EQ(m.title, "Nicht bereit");
    }
    EXPECT_EQ(world().battleCount, 0);
    EXPECT_TRUE(deploy()->isVisible());
    EXPECT_FALSE(main->isEnabled());
    EXPECT_FALSE(main->clockTimer()->isActive());
}

TEST_F(DeployWindowTest, AFoughtOverCountryIsRefusedAndTheGameGoesOn)
{
    ASSERT_NE(openOn(2), nullptr);
    // Two other sides fight over the target.
    world().battleCount = 1;
    world().battleCountry[1] = 2;
    world().battleAttacker[1] = 5;
    world().battleDefender[1] = 2;
    choose(0);
    pressAttack();
    ASSERT_EQ(t->dialogs.shown.size(), 1u);
    EXPECT_EQ(t->dialogs.shown[0].text,
              "Es tobt eine Schlacht in dem Land! Deine Truppen wollen die Schlacht erst führen, wenn "
              "die jetzige Schlacht beendet ist.");
    EXPECT_EQ(t->dialogs.shown[0].title, "Schlacht!");
    EXPECT_EQ(world().battleCount, 1);
    EXPECT_EQ(world().generalStatus[1][1], Training);
    expectGameResumed();
}

TEST_F(DeployWindowTest, TwentyFiveBattlesAreTheLimit)
{
    ASSERT_NE(openOn(2), nullptr);
    world().battleCount = 25;
    for (int b = 1; b <= 25; ++b) {
        world().battleCountry[b] = 50 + b;
        world().battleAttacker[b] = 5;
        world().battleDefender[b] = 6;
    }
    choose(0);
    pressAttack();
    ASSERT_EQ(t->dialogs.shown.size(), 1u);
    EXPECT_EQ(t->dialogs.shown[0].text,
              "Sie können in dieser Version nur bis zu 25 Kämpfe gleichzeitig durchführen !");
    EXPECT_EQ(t->dialogs.shown[0].title, "Zuviele Kämpfe !");
    EXPECT_EQ(world().battleCount, 25);
    expectGameResumed();
}

TEST_F(DeployWindowTest, AttackOnAColonyIsDefendedByItsHolder)
{
    // Nord belongs to Nordost: Emil (40 EP) defends it.
    world().countryOwner[2] = 3;
    ASSERT_NE(openOn(2), nullptr);
    choose(2);
    pressAttack();
    EXPECT_TRUE(t->dialogs.shown.empty());
    ASSERT_EQ(world().battleCount, 1);
    EXPECT_EQ(world().battleCountry[1], 2);
    EXPECT_EQ(world().battleAttacker[1], 1);
    EXPECT_EQ(world().battleAttackerGeneral[1], 3);
    EXPECT_EQ(world().battleDefender[1], 3);
    EXPECT_EQ(world().battleDefenderGeneral[1], 2);
    EXPECT_EQ(world().battleAttackerScore[1], 20);
    EXPECT_EQ(world().battleDefenderScore[1], 80);
    EXPECT_EQ(world().generalStatus[1][3], InBattle);
    EXPECT_EQ(world().generalStatus[3][2], InBattle);
    expectGameResumed();

    // The next tick shows it in the battle panel.
    main->runClockTick();
    EXPECT_EQ(main->findChild<QLabel*>(QStringLiteral("battleHeadingLabel"))->text(), "Kampf um");
}

TEST_F(DeployWindowTest, CancelAndTheFrameChangeNothing)
{
    ASSERT_NE(openOn(2), nullptr);
    choose(0);
    deploy()->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    EXPECT_EQ(world().battleCount, 0);
    EXPECT_EQ(world().generalStatus[1][1], Training);
    expectGameResumed();

    ASSERT_NE(openOn(4), nullptr);
    deploy()->close();
    EXPECT_EQ(world().battleCount, 0);
    expectGameResumed();
}

TEST_F(DeployWindowTest, APlayerWithoutGeneralsCanOnlyLeave)
{
    world().generalCount[1] = 0;
    ASSERT_NE(openOn(2), nullptr);
    EXPECT_EQ(list()->count(), 0);
    pressAttack();
    ASSERT_EQ(t->dialogs.shown.size(), 1u);
    EXPECT_EQ(t->dialogs.shown[0].text, NotReadyText);
    EXPECT_TRUE(deploy()->isVisible());
}

}  // namespace
}  // namespace stratagon::test
