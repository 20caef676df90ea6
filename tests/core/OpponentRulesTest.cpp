// SPDX-License-Identifier: GPL-3.0-or-later
// What the opponents' play rests on: orders as data, the exact odds of
// either rule set, Zügig's answers to giants and to endless games, and the
// messages and records that tell why an opponent attacked.

#include "simulation/Events.h"
#include "simulation/Odds.h"
#include "simulation/Order.h"
#include "simulation/Pace.h"
#include "simulation/PlayerActions.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;
using namespace stratagon::test;

TEST(Order, EveryKindGoesThroughOneFunctionForThePlayerAndTheOpponent)
{
    auto w = chainWorld(4);
    w->countryKind[2] = KindOpponent;
    addGeneral(*w, 1, "P", 10, Training), addGeneral(*w, 2, "O", 20, Ready);
    TickReport report;
    const auto apply = [&](const Order& o) { return applyOrder(*w, o, report); };

    EXPECT_TRUE(apply(Order::recruit(1, "Neu")));
    EXPECT_EQ(row(w->generalCount[1], w->generalName[1][2], w->records.generalsRecruited), row(2, "Neu", 1));
    EXPECT_FALSE(apply(Order::recruit(1, "")));  // the player's rules: a name is needed
    EXPECT_TRUE(apply(Order::setTask(2, 1, Training)));
    EXPECT_FALSE(apply(Order::setTask(2, 1, InBattle)));  // a task, not a battle
    EXPECT_TRUE(apply(Order::attack(2, 1, 3, AttackReason::WeakestNeighbour)));
    EXPECT_FALSE(apply(Order::attack(2, 1, 1, AttackReason::WeakestNeighbour)));  // his general is fighting
    EXPECT_FALSE(apply(Order::setTask(2, 1, Ready)));
    EXPECT_FALSE(apply(Order::attack(1, 1, 3, AttackReason::None)));  // C3 is fought over already
    EXPECT_FALSE(apply(Order::attack(2, 0, 2, AttackReason::WeakestNeighbour)));  // his own country
    EXPECT_TRUE(apply(Order::dismiss(1, 2)));
    EXPECT_FALSE(apply(Order::dismiss(2, 1)));  // only the player dismisses
    EXPECT_TRUE(apply(Order::pace(1, 3)));
    EXPECT_FALSE(apply(Order::pace(1, int(PaceSteps.size()))));
    EXPECT_EQ(row(w->paceStep, w->generalCount[1], w->battleCount), row(3, 1, 1));
    ASSERT_EQ(report.happenings.size(), 1u);
    EXPECT_EQ(int(report.happenings[0].battle.reason), int(AttackReason::WeakestNeighbour));
    EXPECT_EQ(row(report.happenings[0].battle.attackerEP, report.happenings[0].battle.defenderEP), row(20, 0));
}

TEST(Odds, EachRuleSetsChanceIsItsOwnBattleStepPlayedOutAndIsKept)
{
    // Zügig opens at its own score and breaks off at its limit; the exact
    // chance matches battles played by the battle step itself.
    const RuleTable& zuegig = ruleTable(RulesZuegig);
    for (const auto& [a, d] : {std::pair{12, 10}, std::pair{10, 10}, std::pair{30, 33}}) {
        SCOPED_TRACE(row(a, d));
        SeededRandom random(a * 100 + d);
        int won = 0;
        const int battles = 3000;
        auto w = chainWorld(3);
        w->ruleSet = RulesZuegig;
        addGeneral(*w, 2, "A", a), addGeneral(*w, 1, "D", d);
        for (int n = 0; n < battles; ++n) {
            w->countryOwner[1] = 1;
            TickReport report;
            openBattle(*w, 1, 2, 1, 1, 1, report);
            while (w->battleCount > 0)
                battleStep(*w, random, zuegig, report);
            won += w->countryOwner[1] == 2;
            w->generalEP[2][1] = a, w->generalEP[1][1] = d;  // unpaid for the next battle
        }
        EXPECT_NEAR(attackChance(zuegig, a, d), double(won) / battles, 0.03);
        EXPECT_EQ(attackChance(zuegig, a, d), attackChance(zuegig, a, d));  // the kept answer
    }
    EXPECT_GT(attackChance(zuegig, 10, 10), attackChance(10, 10));  // 30 : 70 against 20 : 80
    // The chance the windows show follows the game's rule set.
    auto w = chainWorld(3);
    addGeneral(*w, 3, "D", 10);
    const double klassisch = chanceAgainstHolder(*w, 3, 11);
    w->ruleSet = RulesZuegig;
    EXPECT_EQ(row(klassisch, chanceAgainstHolder(*w, 3, 11)), row(attackChance(11, 10), attackChance(zuegig, 11, 10)));
}

TEST(Zuegig, AVictoryPaysTheLosersShareAndNothingForAFarWeakerOne)
{
    // {winner's EP, loser's EP, EP earned}: Klassisch pays 5 whoever lost;
    // Zügig nothing beyond 500 EP.
    const struct {
        int ruleSet, attackerEP, defenderEP;
        bool attackerWins;
        int earned;
    } cases[] = {{RulesZuegig, 100, 100, true, 5},  {RulesZuegig, 100, 60, true, 3}, {RulesZuegig, 100, 19, true, 0},
                 {RulesZuegig, 50, 100, false, 2},  {RulesZuegig, 100, 150, true, 5}, {RulesKlassisch, 100, 19, true, 5},
                 {RulesZuegig, 498, 500, true, 2},  {RulesZuegig, 500, 500, false, 0}, {RulesKlassisch, 500, 500, true, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(row(c.ruleSet, c.attackerEP, c.defenderEP));
        auto w = chainWorld(3);
        w->ruleSet = c.ruleSet;
        addGeneral(*w, 2, "A", c.attackerEP), addGeneral(*w, 3, "D", c.defenderEP);
        fight(*w, 3, 2, 1, 3, 1);
        w->battles[1].defenderScore = c.attackerWins ? -10 : 150;
        ScriptedRandom random;
        pushDraws(random, {0, 0}, 5), step(*w, random, rulesOf(*w));
        const int after = c.attackerWins ? w->generalEP[2][1] : w->generalEP[3][1];
        EXPECT_EQ(after - (c.attackerWins ? c.attackerEP : c.defenderEP), c.earned);
    }
}

TEST(Zuegig, AnOpponentWhoseHomeFallsIsOutAndHisLandGoesToTheConqueror)
{
    // C2 and C4 are computer opponents; C2 holds C3 and fights the player
    // over C1. C4 takes C2's home: C2 and C3 are C4's, C2's battle is over.
    for (const int ruleSet : {RulesZuegig, RulesKlassisch}) {
        SCOPED_TRACE(ruleSet);
        auto w = chainWorld(5);
        w->ruleSet = ruleSet, w->sideMax = 2, w->side[2] = 4;
        w->countryKind[2] = w->countryKind[4] = KindOpponent, w->countryOwner[3] = 2;
        for (const int s : {1, 2, 4})
            addGeneral(*w, s, "G", 50), addGeneral(*w, s, "H", 50);
        fight(*w, 1, 2, 1, 1, 1);
        fight(*w, 2, 4, 1, 2, 2);
        w->battles[2].defenderScore = -10;
        ScriptedRandom random;
        pushDraws(random, {0, 0, 0, 0}, 5);
        const TickReport report = step(*w, random, rulesOf(*w));
        const bool out = ruleSet == RulesZuegig;
        EXPECT_EQ(row(w->countryOwner[2], w->countryOwner[3], w->battleCount, w->countryKind[2]),
                  out ? row(4, 4, 0, KindPassive) : row(4, 2, 1, KindOpponent));
        EXPECT_EQ(row(w->previousOwner[2], w->previousOwner[3]), out ? row(2, 2) : row(2, 0));
        if (out) {
            EXPECT_EQ(int(report.happenings.back().kind), int(Happening::Kind::SideBeaten));
            EXPECT_EQ(germanText(w->events.back().text), "C2 ist geschlagen: all sein Land fällt an C4.");
            EXPECT_EQ(row(w->generalStatus[1][1], w->generalStatus[2][1]), row(Training, Training));
        }
    }
}

TEST(Zuegig, LandTrainsFasterAndOpponentsStartAsStrongAsThePlayer)
{
    // A draw just above the plain odds trains only the side holding land,
    // and nobody at the ceiling.
    const RuleTable& rules = ruleTable(RulesZuegig);
    auto w = chainWorld(10);
    w->ruleSet = RulesZuegig;
    for (int c = 5; c <= 10; ++c)
        w->countryOwner[c] = 1;
    addGeneral(*w, 1, "Reich", 10, Training), addGeneral(*w, 3, "Arm", 10, Training);
    addGeneral(*w, 1, "Riese", rules.mostEP, Training);
    w->countryKind[3] = KindPlayer;  // the same odds as the player, with one country
    const double justAbove = 1.0 / rules.trainingOdds[KindPlayer] + 0.01;
    ScriptedRandom random{justAbove, 0.0, justAbove};
    TickReport report;
    trainGenerals(*w, random, 1, rules, report), trainGenerals(*w, random, 3, rules, report);
    EXPECT_EQ(row(w->generalEP[1][1], w->generalEP[1][2], w->generalEP[3][1]), row(11, rules.mostEP, 10));

    // Ägypten, strongest at the start in Klassisch, starts as Südafrika does.
    NewGame game(Afrika, 3, 2, 16, RulesZuegig);
    ASSERT_TRUE(game.setup);
    NewGame klassisch(Afrika, 3, 2, 16, RulesKlassisch);
    const int player = game.w->side[0];
    for (int s = 1; s <= 2; ++s) {
        const int v = game.w->side[std::size_t(s)];
        for (int j = 1; j <= game.w->generalCount[v]; ++j)
            EXPECT_EQ(game.w->generalEP[v][j], game.w->generalEP[player][std::min(j, game.w->generalCount[player])]);
    }
    const int egypt = game.w->side[1];
    EXPECT_GT(klassisch.w->generalEP[egypt][1], game.w->generalEP[egypt][1]);
}

TEST(Events, AnOpponentsAttackIsToldWithItsReasonNearThePlayerAndCountedEverywhere)
{
    // C2 (the conqueror) attacks the player's C1, the neutral C3 beside the
    // player's C4, and the far C7.
    auto w = chainWorld(8);
    w->countryKind[2] = KindOpponent, w->opponentCharacter[1] = 1, w->countryOwner[4] = 1;
    w->countryOwner[3] = w->countryOwner[6] = 2;
    addGeneral(*w, 2, "A", 30), addGeneral(*w, 2, "B", 30), addGeneral(*w, 2, "C", 30);
    addGeneral(*w, 1, "P", 4);
    TickReport report;
    applyOrder(*w, Order::attack(2, 1, 1, AttackReason::WeakestNeighbour), report);
    applyOrder(*w, Order::attack(2, 2, 5, AttackReason::NoDefender), report);
    applyOrder(*w, Order::attack(2, 3, 7, AttackReason::NoDefender), report);
    chronicle(*w, report);
    ASSERT_EQ(w->events.size(), 2u);
    EXPECT_EQ(row(int(w->events[0].kind), germanText(w->events[0].text)),
              row(int(EventKind::Threat), "C2 (Eroberer) greift C1 an: dort steht nur ein General mit 4 EP."));
    EXPECT_EQ(row(int(w->events[1].kind), germanText(w->events[1].text)),
              row(int(EventKind::OpponentAttack), "C2 (Eroberer) greift C5 an: dort steht kein General zur Verteidigung."));
    EXPECT_FALSE(eventStandsOut(w->events[1]));
    EXPECT_EQ(row(w->records.opponentStrikes[std::size_t(AttackReason::WeakestNeighbour)],
                  w->records.opponentStrikes[std::size_t(AttackReason::NoDefender)], w->records.attacksSuffered),
              row(1, 2, 1));
}
