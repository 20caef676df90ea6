// SPDX-License-Identifier: GPL-3.0-or-later
// Which sound a tick or an attack order calls for, from the player's side.

#include "simulation/SoundCue.h"
#include "world/Text.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

#include <set>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// C1 the player (side 1, general "Eigen"), C2 the opponent (side 2, "Fremd"),
// C3 and C4 passive.
std::unique_ptr<WorldState> twoSides()
{
    auto w = chainWorld(4);
    addGeneral(*w, 1, "Eigen", 60), addGeneral(*w, 2, "Fremd", 60);
    return w;
}

// One battle step that ends battle 1 for `winner`: its score pushed past the end.
TickReport decide(WorldState& w, bool attackerWins)
{
    w.battles[1].attackerScore = attackerWins ? 99 : 1, w.battles[1].defenderScore = attackerWins ? 1 : 99;
    ScriptedRandom random;
    pushDraws(random, {attackerWins ? 4 : 0, attackerWins ? 0 : 4}, 5);
    return step(w, random);
}

}  // namespace

// Every kind of battle news of the player's, through the rules that make it;
// the opponents' own battles and a player's-side tick without news are silent.
TEST(SoundCue, EachBattleNewsOfThePlayersCallsForItsOwnCue)
{
    struct Case {
        const char* what;
        int country, attacker, defender;
        bool attackerWins;
        SoundCue opened, ended;
    };
    const Case cases[] = {
        {"his attack taken", 2, 1, 2, true, SoundCue::PlayerAttack, SoundCue::CountryConquered},
        {"his attack beaten off", 2, 1, 2, false, SoundCue::PlayerAttack, SoundCue::BattleLost},
        {"his country lost", 1, 2, 1, true, SoundCue::UnderAttack, SoundCue::CountryLost},
        {"his country held", 1, 2, 1, false, SoundCue::UnderAttack, SoundCue::BattleWon},
        {"others fight", 3, 2, 3, true, SoundCue::None, SoundCue::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto w = twoSides();
        TickReport opened;
        ASSERT_EQ(
            openBattle(*w, c.country, c.attacker, c.attacker <= 2 ? 1 : 0, c.defender, c.defender <= 2 ? 1 : 0, opened),
            1);
        EXPECT_EQ(soundCueFor(*w, opened), c.opened);
        const TickReport ended = decide(*w, c.attackerWins);
        ASSERT_TRUE(ended.anyBattleEnded());
        EXPECT_EQ(soundCueFor(*w, ended), c.ended);
    }
    auto w = twoSides();
    EXPECT_EQ(soundCueFor(*w, TickReport{}), SoundCue::None);
}

// Several in one tick: the end of the game first, then an attack on the
// player above all else; a promotion only when the rank changed.
TEST(SoundCue, TheMostImportantNewsOfATickIsHeard)
{
    auto w = twoSides();
    TickReport report;
    const auto promoted = [&](int epBefore, int epAfter) {
        return Happening::promoted({1, 1, epBefore, epAfter, "Eigen"});
    };
    report.happenings.push_back(promoted(60, 61));
    EXPECT_EQ(soundCueFor(*w, report), SoundCue::None);
    report.happenings.push_back(promoted(0, 5000));
    EXPECT_EQ(soundCueFor(*w, report), SoundCue::Promotion);
    report.happenings.push_back(Happening::promoted({2, 1, 0, 5000, "Fremd"}));
    EXPECT_EQ(soundCueFor(*w, report), SoundCue::Promotion);
    // Won after lost in the same tick, then an attack on him: each outranks the last.
    BattleNews news{1, 2, 1, 1, 1, "Fremd", "Eigen", 1, 1};
    report.happenings.push_back(Happening::ended(news));
    EXPECT_EQ(soundCueFor(*w, report), SoundCue::BattleWon);
    news.winner = 2, report.happenings.push_back(Happening::ended(news));
    EXPECT_EQ(soundCueFor(*w, report), SoundCue::CountryLost);
    report.happenings.insert(report.happenings.begin(), Happening::opened({3, 2, 1, 1, 0, "Fremd", "", 0, 0}));
    EXPECT_EQ(soundCueFor(*w, report), SoundCue::UnderAttack);
    report.outcome = GameOutcome::Lost;
    EXPECT_EQ(soundCueFor(*w, report), SoundCue::GameLost);
}

// Whole games on the shipped map, ticked by the clock with a scripted player
// beside five opponents: each tick's cue agrees with the messages the tick
// wrote, and the player's attack orders sound only when a battle opened.
TEST(SoundCue, RealGamesAgreeWithTheirMessages)
{
    std::set<SoundCue> heard;
    for (const unsigned long long seed : {3ull, 8ull}) {
        NewGame g(Afrika, seed, 5, 4);
        for (int n = 0; g.w->playing && n < 1500; ++n) {
            g.player.act(*g.w);
            g.w->events.clear();
            const TickReport report = clockTick(*g.w, g.random);
            SoundCue expected = report.outcome == GameOutcome::Won    ? SoundCue::GameWon
                                : report.outcome == GameOutcome::Lost ? SoundCue::GameLost
                                                                      : SoundCue::None;
            for (const GameEvent& e : g.w->events) {
                SoundCue c = SoundCue::None;
                if (e.kind == EventKind::Threat)
                    c = SoundCue::UnderAttack;
                else if (e.kind == EventKind::Promotion)
                    c = SoundCue::Promotion;
                else if (e.kind == EventKind::BattleWon)
                    c = germanText(e.text).starts_with("Sieg") ? SoundCue::CountryConquered : SoundCue::BattleWon;
                else if (e.kind == EventKind::BattleLost)
                    c = germanText(e.text).starts_with("Niederlage") ? SoundCue::BattleLost : SoundCue::CountryLost;
                if (expected < SoundCue::GameWon)
                    expected = std::max(expected, c);
            }
            ASSERT_EQ(soundCueFor(*g.w, report), expected) << "tick " << n;
            heard.insert(expected);
        }
    }
    for (const SoundCue c : {SoundCue::UnderAttack, SoundCue::CountryLost, SoundCue::CountryConquered,
                             SoundCue::BattleLost, SoundCue::BattleWon, SoundCue::Promotion})
        EXPECT_TRUE(heard.count(c)) << int(c);

    auto w = twoSides();
    EXPECT_EQ(soundCueFor(launchAttack(*w, 2, 1)), SoundCue::PlayerAttack);
    EXPECT_EQ(soundCueFor(launchAttack(*w, 2, 1)), SoundCue::None);  // the general is in battle now
    EXPECT_EQ(soundCueFor(AttackOutcome::TooManyBattles), SoundCue::None);
}

// At any pace the ear hears at most one promotion every few seconds; what
// matters more than a promotion plays at once. The time is given, never read.
TEST(SoundPacer, APromotionAtMostEveryFewSecondsEverythingElseAtOnce)
{
    SoundPacer pacer;
    EXPECT_EQ(pacer.pass(SoundCue::Promotion, 10'000), SoundCue::Promotion);
    EXPECT_EQ(pacer.pass(SoundCue::Promotion, 11'000), SoundCue::None);
    EXPECT_EQ(pacer.pass(SoundCue::UnderAttack, 11'500), SoundCue::UnderAttack);
    EXPECT_EQ(pacer.pass(SoundCue::BattleWon, 11'600), SoundCue::BattleWon);
    EXPECT_EQ(pacer.pass(SoundCue::None, 12'000), SoundCue::None);
    EXPECT_EQ(pacer.pass(SoundCue::Promotion, 10'000 + SoundPacer::PromotionGapMs - 1), SoundCue::None);
    EXPECT_EQ(pacer.pass(SoundCue::Promotion, 10'000 + SoundPacer::PromotionGapMs), SoundCue::Promotion);

    // The fastest pace with many generals: a promotion every 100 ms for a minute.
    SoundPacer busy;
    int chimes = 0;
    for (int64_t ms = 0; ms < 60'000; ms += 100)
        chimes += busy.pass(SoundCue::Promotion, ms) == SoundCue::Promotion;
    EXPECT_EQ(chimes, 60'000 / SoundPacer::PromotionGapMs);
}
