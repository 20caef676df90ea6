// SPDX-License-Identifier: GPL-3.0-or-later
// A running game heard, not seen: what the announcer says follows the level
// the player chose, and an attack on him stops the clock when he asked so.

#include "ShellTestSupport.h"

#include "mapview/Announcer.h"
#include "session/GameSession.h"
#include "session/GameText.h"
#include "simulation/Announcements.h"
#include "simulation/Situation.h"

#include <QPointer>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// Ticks until the session pauses itself (an attack on the player), at most `limit`.
bool tickUntilPaused(GameSession& session, int limit)
{
    for (int i = 0; i < limit && !session.paused() && session.gameRunning(); ++i)
        session.tick();
    return session.paused();
}

}  // namespace

TEST(HeardInAGame, TheChosenLevelDecidesWhatIsSaidAndAnAttackStopsTheClock)
{
    TestProgram t;
    t.program->preferences().setAnnounceLevel(AnnounceLevel::Off);
    t.program->preferences().setPauseOnAttack(true);
    ASSERT_TRUE(t.program->start());
    MainWindow* main = startGame(t);
    ASSERT_TRUE(main);
    GameSession& session = t.program->session();
    Announcer* announcer = main->announcer();
    settle();
    // A new game says first whether its clock runs.
    EXPECT_EQ(announcer->lastAnnouncement(), "Spiel läuft");
    EXPECT_TRUE(session.clockRunning());

    // Each tick's announcement, once.
    QStringList said;
    QPointer<Announcer> heard(announcer);
    QObject::connect(&session, &GameSession::ticked, announcer, [&said, heard] {
        if (heard && !said.contains(heard->lastAnnouncement()))
            said << heard->lastAnnouncement();
    });

    // "Aus": not a word of the war until an attack stops the clock.
    ASSERT_TRUE(tickUntilPaused(session, 4000)) << "no attack on the player";
    settle();
    EXPECT_FALSE(session.clockRunning());
    EXPECT_EQ(said, QStringList({"Spiel läuft", "Spiel angehalten."}));

    // "Wichtige" without the stop: the clock runs on through the war, and
    // his own battle is said.
    t.program->preferences().setAnnounceLevel(AnnounceLevel::Important);
    t.program->preferences().setPauseOnAttack(false);
    const std::vector<int> targets = attackableCountries(*t.world);
    ASSERT_FALSE(targets.empty());
    bool launched = false;
    for (int slot = 1; slot <= t.world->generalCount[t.world->side[0]] && !launched; ++slot)
        launched = session.attack(targets.front(), slot) == AttackOutcome::Launched;
    ASSERT_TRUE(launched);
    session.setPaused(false);  // the window reads the preferences anew
    EXPECT_FALSE(tickUntilPaused(session, 4000));
    const QString target = gametext::name(t.world->countryName[targets.front()]);
    EXPECT_FALSE(said.filter(target).isEmpty()) << said.join(" / ").toStdString();
}
