// SPDX-License-Identifier: GPL-3.0-or-later
// The computer opponents' characters: one interface for all of them, what
// each one decides on small worlds, what the strength changes, and how the
// characters are chosen at the start.

#include "simulation/Character.h"
#include "simulation/Odds.h"
#include "simulation/Opponent.h"
#include "simulation/Strategy.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

#include <set>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// A Zügig world: C1 the player, C2 the computer opponent with `character`,
// the rest passive; no generals yet.
std::unique_ptr<WorldState> zuegigWorld(int count, int character, int aiDivisor = 1)
{
    auto w = chainWorld(count);
    w->ruleSet = RulesZuegig, w->aiDivisor = aiDivisor;
    w->countryKind[2] = KindOpponent, w->opponentCharacter[1] = character;
    return w;
}

// A full roster of ten, so that no recruit draws a name: the given EP first,
// the rest without EP (they never fight).
void roster(WorldState& w, int side, std::initializer_list<int> eps)
{
    for (const int ep : eps)
        addGeneral(w, side, "G" + std::to_string(w.generalCount[side] + 1), ep, Training);
    while (w.generalCount[side] < rulesOf(w).opponentRosterSize)
        addGeneral(w, side, "Reserve", 0, Training);
}

// One tick's play of the opponent on C2 with a turn (every draw 0), each
// order applied at once; the orders as "kind|slot|target|reason".
std::vector<std::string> play(WorldState& w, TickReport* report = nullptr)
{
    ScriptedRandom random;
    for (int i = 0; i < 4; ++i)
        random.push(0.0);
    std::vector<std::string> given;
    TickReport local;
    strategyOf(characterOf(w, 2)).play(w, random, 2, [&](const Order& order) {
        const bool done = applyOrder(w, order, report ? *report : local);
        if (done)
            given.push_back(row(int(order.kind), order.slot, order.target, int(order.reason)));
        return done;
    });
    return given;
}

std::string attack(int slot, int target, AttackReason reason)
{
    return row(int(OrderKind::Attack), slot, target, int(reason));
}

}  // namespace

TEST(Character, EveryOpponentPlaysThroughOneInterfaceWithTheStandardsDraws)
{
    // Whatever his character: a recruit takes one draw for the name, then
    // one draw decides the turn; a turn drawn away gives no order.
    for (int c = 0; c < CharacterCount; ++c) {
        SCOPED_TRACE(characterInfo(c).key);
        auto w = zuegigWorld(3, c, 16);
        addGeneral(*w, 2, "Alt", 50, Training);
        ScriptedRandom random;
        random.push(0.0), random.push(0.99);
        std::vector<Order> orders;
        strategyOf(c).play(*w, random, 2, [&](const Order& o) {
            orders.push_back(o);
            TickReport report;
            return applyOrder(*w, o, report);
        });
        EXPECT_EQ(row(random.draws, orders.size(), int(orders.at(0).kind), w->generalCount[2], w->generalEP[2][2]),
                  row(2, 1, int(OrderKind::Recruit), 2, rulesOf(*w).opponentRecruitEP + 4 / 16));
    }
    // The tick goes through the same interface: a world without a character
    // plays the plain opponent.
    auto w = chainWorld(3);
    w->countryKind[2] = KindOpponent;
    EXPECT_EQ(characterOf(*w, 2), CharacterStandard);
    EXPECT_EQ(&strategyOf(characterOf(*w, 2)), &strategyOf(CharacterStandard));
}

TEST(Character, TheConquerorTakesTheWeakestNeighbourFirstWithTheLeastGeneralSureToWin)
{
    // C1 (player, 30 EP) - C2 (him: 40, 13, 12) - C3 (neutral, 10 EP). New
    // land first, with the weakest general sure enough; then the player with
    // the only one who can beat him; one stays home.
    auto w = zuegigWorld(4, CharacterConqueror);
    addGeneral(*w, 1, "P", 30), addGeneral(*w, 3, "N", 10);
    roster(*w, 2, {40, 13, 12});
    TickReport report;
    EXPECT_EQ(play(*w, &report), (std::vector{attack(3, 3, AttackReason::WeakestNeighbour),
                                              attack(1, 1, AttackReason::WeakestNeighbour)}));
    EXPECT_EQ(w->generalStatus[2][2], Training);  // kept home
    for (const Happening& h : report.happenings)
        EXPECT_GE(attackChance(rulesOf(*w), h.battle.attackerEP, h.battle.defenderEP), 0.6);
    // A country nobody can defend is named so.
    auto empty = zuegigWorld(3, CharacterConqueror);
    roster(*empty, 2, {10, 10});
    EXPECT_EQ(play(*empty).at(0), attack(2, 3, AttackReason::NoDefender));
}

TEST(Character, TheGuardianRetakesHisLandStrikesBackAndStartsNoWarWithALargerSide)
{
    // C3 was his; the player holds it and C1, and is larger than him. Only
    // two free generals, both kept home at "Irrsinnig": his own land is still
    // worth one of them.
    auto w = zuegigWorld(5, CharacterGuardian);
    w->countryOwner[3] = 1, w->previousOwner[3] = 2;
    addGeneral(*w, 1, "P", 15);
    roster(*w, 2, {30, 20});
    EXPECT_EQ(play(*w), std::vector{attack(2, 3, AttackReason::Retake)});

    // Nothing of his to take back and nobody at his throat: the larger
    // player is left alone however weak, the neutral C3 beside him is not.
    auto calm = zuegigWorld(4, CharacterGuardian);
    calm->countryOwner[4] = 1;
    addGeneral(*calm, 1, "P", 1), addGeneral(*calm, 3, "N", 1);
    roster(*calm, 2, {30, 30, 30, 30, 30});
    EXPECT_EQ(play(*calm), (std::vector{attack(5, 3, AttackReason::WeakestNeighbour)}));

    // The player attacks him: he answers on the player's land.
    addGeneral(*calm, 1, "Q", 20), fight(*calm, 2, 1, 2, 2, 6);
    calm->generalStatus[2][6] = InBattle;
    const std::vector<std::string> answer = play(*calm);
    ASSERT_FALSE(answer.empty());
    EXPECT_EQ(answer.front(), attack(4, 1, AttackReason::CounterAttack));
}

TEST(Character, TheStrategistHitsTheLeaderWhereHeIsWeakAndTakesTwoThingsBesideATurn)
{
    // The player leads; his best free general is busy, so C1 beside the
    // strategist is defended by 5 EP. The neutral C3, C5 and C7 between the
    // strategist's C2, C4 and C6 are even weaker, but the leader comes first,
    // and of the three beside his plan he takes two.
    auto w = zuegigWorld(7, CharacterStrategist);
    w->countryOwner[4] = w->countryOwner[6] = 2;
    addGeneral(*w, 1, "Stark", 90, InBattle), addGeneral(*w, 1, "Schwach", 5);
    for (const int n : {3, 5, 7})
        addGeneral(*w, n, "N", 2);
    roster(*w, 2, {20, 20, 20, 20, 20});
    const std::vector<std::string> orders = play(*w);
    ASSERT_GE(orders.size(), 3u);
    EXPECT_EQ(orders[0], attack(5, 1, AttackReason::LeaderWeakPoint));
    int aside = 0;
    for (const std::string& o : orders)
        aside += o.ends_with(row("", int(AttackReason::WeakestNeighbour))) ||
                 o.ends_with(row("", int(AttackReason::NoDefender)));
    EXPECT_EQ(aside, 2);
}

TEST(Character, AHarderStrengthDecidesBetterAnEasierOneLikeABeginner)
{
    // Neutral C3 defended by 100 EP, his general has 101: more EP, but a poor
    // chance; the player's C1 is out of reach. The beginner ("Sehr Leicht")
    // goes with his best, keeps nobody home and leaves a ready general idle;
    // from "Schwer" on nobody attacks below an even chance, and the idle
    // general trains.
    for (const int c : {CharacterConqueror, CharacterGuardian, CharacterStrategist}) {
        SCOPED_TRACE(characterInfo(c).key);
        for (const int divisor : {256, 4, 1}) {
            auto w = zuegigWorld(3, c, divisor);
            addGeneral(*w, 1, "P", 1000), addGeneral(*w, 3, "N", 100);
            roster(*w, 2, {101, 101});
            w->generalStatus[2][2] = Ready;
            const std::vector<std::string> orders = play(*w);
            if (divisor == 256)
                EXPECT_EQ(row(orders.size(), orders.at(0), w->generalStatus[2][2]),
                          row(1, attack(1, 3, AttackReason::WeakestNeighbour), Ready));
            else
                EXPECT_EQ(row(orders.size(), w->battleCount, w->generalStatus[2][2]), row(1, 0, Training));
        }
    }
    EXPECT_LT(attackChance(ruleTable(RulesZuegig), 101, 100), 0.5);
}

TEST(Character, AtZuegigsCeilingOnBothSidesHeTakesTheEvenFight)
{
    // He holds C2 to C4, the player C1 and C5; at "Irrsinnig" nobody attacks
    // below an even chance, and an even fight is well below it. While either
    // side can still grow, he waits; once both are at the ceiling he takes
    // one even fight a turn.
    const int most = ruleTable(RulesZuegig).mostEP;
    for (const int c : {CharacterConqueror, CharacterGuardian, CharacterStrategist}) {
        SCOPED_TRACE(characterInfo(c).key);
        for (const int mine : {most - 1, most}) {
            auto w = zuegigWorld(5, c);
            w->countryOwner[3] = w->countryOwner[4] = 2, w->countryOwner[5] = 1;
            addGeneral(*w, 1, "P", most), addGeneral(*w, 1, "Q", most);
            roster(*w, 2, {mine, mine, mine, mine, mine});
            play(*w);
            EXPECT_EQ(w->battleCount, mine == most ? 1 : 0);
        }
    }
    EXPECT_LT(attackChance(ruleTable(RulesZuegig), most, most), 0.5);
}

TEST(Character, ChoicesReadBackAndAreDrawnAtTheStartOneDrawEach)
{
    for (const char* key : {"mixed", "standard", "guardian", "conqueror,random,strategist", "random"}) {
        CharacterChoice choice;
        ASSERT_TRUE(CharacterChoice::fromKey(key, choice)) << key;
        EXPECT_EQ(choice.key(), key);
    }
    CharacterChoice kept = CharacterChoice::all(CharacterGuardian);
    for (const char* wrong : {"", "Eroberer", "mixed,standard", "a,b", "random,random,random,random,random,random"})
        EXPECT_FALSE(CharacterChoice::fromKey(wrong, kept)) << wrong;
    EXPECT_EQ(kept, CharacterChoice::all(CharacterGuardian));  // untouched by a refusal
    EXPECT_EQ(defaultCharacterChoice(RulesKlassisch), CharacterChoice::all(CharacterStandard));
    EXPECT_EQ(defaultCharacterChoice(RulesZuegig), CharacterChoice::mix());

    auto w = chainWorld(8);
    w->sideMax = 4;
    for (int s = 1; s <= 4; ++s)
        w->side[std::size_t(s)] = s + 1;
    const auto drawn = [&](const char* key) {
        CharacterChoice choice;
        CharacterChoice::fromKey(key, choice);
        ScriptedRandom random;
        for (int i = 0; i < 8; ++i)
            random.push(0.0);
        assignCharacters(*w, random, choice);
        std::string characters;
        for (int s = 1; s <= 4; ++s)
            characters += std::to_string(w->opponentCharacter[std::size_t(s)]);
        return row(random.draws, characters);
    };
    EXPECT_EQ(drawn("standard"), "0|0000");  // Klassisch's default draws nothing
    EXPECT_EQ(drawn("mixed"), "4|1231");      // each another one while they last, never Standard
    EXPECT_EQ(drawn("guardian,random"), "3|2111");
    EXPECT_EQ(characterOf(*w, 3), CharacterConqueror);
}
