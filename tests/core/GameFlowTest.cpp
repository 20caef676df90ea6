// SPDX-License-Identifier: GPL-3.0-or-later
// What lets the player follow the war: the messages the rules record, the
// chance of an attack, the pace of the clock and the choice of opponents.

#include "simulation/Battle.h"
#include "simulation/Clock.h"
#include "simulation/Events.h"
#include "simulation/Odds.h"
#include "simulation/Opponents.h"
#include "simulation/Pace.h"
#include "simulation/PlayerActions.h"
#include "world/MapLoader.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;
using namespace stratagon::test;

namespace {

std::string eventsOf(const WorldState& w)
{
    std::string out;
    for (const GameEvent& e : w.events)
        out += row(int(e.kind), eventDate(e), e.text, eventStandsOut(e)) + "\n";
    return out;
}

}  // namespace

TEST(Events, EachKindFromScriptedBattles)
{
    // Player C1 (general "Held"), opponent C2 ("Feind"), passive C3 ("Wache");
    // draws r1, r2 that end the battle at once for the attacker or defender.
    struct Case { const char* name; int country, attacker, defender; bool attackerWins; int heldEP; const char* expected; };
    const Case cases[] = {
        {"own attack won, with a promotion", 2, 1, 2, true, 4,
         "0|März 2001|Angriff auf C2: Held gegen Feind (C2).|1\n1|März 2001|Sieg: Held erobert C2.|1\n"
         "5|März 2001|Held ist jetzt Stabsunteroffizier.|1\n"},
        {"own attack on the opponent's colony", 3, 1, 2, true, 56,
         "0|März 2001|Angriff auf C3: Held gegen Feind (C2).|1\n1|März 2001|Sieg: Held erobert C3 von C2.|1\n"},
        {"own attack lost", 2, 1, 2, false, 56,
         "0|März 2001|Angriff auf C2: Held gegen Feind (C2).|1\n2|März 2001|Niederlage: der Angriff auf C2 ist "
         "gescheitert.|1\n"},
        {"a threat held off", 1, 2, 1, false, 56,
         "3|März 2001|C2 greift C1 an!|1\n1|März 2001|Abgewehrt: C1 bleibt dein, C2 ist geschlagen.|1\n"},
        {"a threat that takes a country", 1, 2, 1, true, 56,
         "3|März 2001|C2 greift C1 an!|1\n2|März 2001|Verloren: C2 hat dir C1 abgenommen.|1\n"},
        {"the opponent takes a passive country", 3, 2, 3, true, 56, "4|März 2001|C2 erobert C3.|0\n"},
        {"a passive country holds: nothing to tell", 3, 2, 3, false, 56, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto w = chainWorld(4);
        w->year = 2001, w->month = 3;
        addGeneral(*w, 1, "Held", c.heldEP), addGeneral(*w, 2, "Feind", 20), addGeneral(*w, 3, "Wache", 20);
        openBattle(*w, c.country, c.attacker, 1, c.defender, 1);
        // One step decides it: the score is put next to the winner's end.
        w->battles[1].defenderScore = c.attackerWins ? 0 : 100;
        ScriptedRandom random;
        pushDraws(random, c.attackerWins ? std::initializer_list<int>{4, 0} : std::initializer_list<int>{0, 4}, 5);
        battleStep(*w, random);
        EXPECT_EQ(eventsOf(*w), c.expected);
    }
}

TEST(Events, TrainingPromotesOnlyThePlayersGeneralsAndTheLogKeepsTheLatest200)
{
    auto w = chainWorld(3);
    w->year = 2000, w->month = 1;
    addGeneral(*w, 1, "Lehrling", 4, Training), addGeneral(*w, 2, "Fremder", 4, Training);
    for (const int side : {1, 2}) {
        ScriptedRandom random;
        pushDraws(random, {0}, 16);
        trainGenerals(*w, random, side);
    }
    EXPECT_EQ(eventsOf(*w), "5|Januar 2000|Lehrling ist jetzt Stabsunteroffizier.|1\n");

    for (int i = 1; i <= 250; ++i)
        recordEvent(*w, EventKind::CountryTaken, std::to_string(i));
    EXPECT_EQ(row(w->events.size(), w->events.front().text, w->events.back().text), "200|51|250");
}

TEST(Odds, AgreesWithASolvedSmallCaseAndWithBattlesPlayedByTheRules)
{
    // 300 against 300 EP: every draw moves the score by 30 * (r1 - r2), so
    // from 80 only the scores 80, 50 and 20 occur. Their chances, solved
    // here by plain repetition of the three equations.
    const double k[9] = {1, 2, 3, 4, 5, 4, 3, 2, 1};  // ways to get r1 - r2 = -4..4, of 25
    auto ways = [&](int lo, int hi) {
        double sum = 0;
        for (int d = lo; d <= hi; ++d)
            sum += k[d + 4];
        return sum / 25;
    };
    double p80 = 0, p50 = 0, p20 = 0;
    for (int i = 0; i < 2000; ++i) {
        const double n80 = ways(3, 4) + ways(0, 0) * p80 + ways(1, 1) * p50 + ways(2, 2) * p20;
        const double n50 = ways(2, 4) + ways(0, 0) * p50 + ways(1, 1) * p20 + ways(-1, -1) * p80;
        const double n20 = ways(1, 4) + ways(0, 0) * p20 + ways(-1, -1) * p50 + ways(-2, -2) * p80;
        p80 = n80, p50 = n50, p20 = n20;
    }
    EXPECT_NEAR(attackChance(300, 300), p80, 1e-9);

    // The sure and the hopeless cases, and generals too weak to move the
    // score: that battle never ends and is never won.
    EXPECT_EQ(row(attackChance(100, 0), attackChance(0, 100), attackChance(1, 1)), "1|0|0");

    // Battles of the real battle step, counted.
    for (const auto& [a, d] : {std::pair{30, 20}, {20, 30}, {25, 25}, {60, 15}}) {
        SCOPED_TRACE(row(a, d));
        SeededRandom random(7);
        int won = 0;
        const int battles = 4000;
        auto w = chainWorld(2);
        addGeneral(*w, 1, "A", a), addGeneral(*w, 2, "D", d);
        for (int b = 0; b < battles; ++b) {
            w->countryOwner[2] = 2, w->generalEP[1][1] = a, w->generalEP[2][1] = d;
            openBattle(*w, 2, 1, 1, 2, 1);
            while (w->battleCount > 0)
                battleStep(*w, random);
            won += w->countryOwner[2] == 1;
        }
        EXPECT_NEAR(attackChance(a, d), double(won) / battles, 0.03);
    }
}

TEST(Pace, StepsHalveAndDoubleTheSetMonthAndStopAtTheEnds)
{
    auto w = std::make_unique<WorldState>();
    w->monthInterval = 2500;
    EXPECT_EQ(row(w->paceStep, currentPace(*w).text, tickPeriodMs(*w)), "1|1×|625");
    std::string seen;
    while (fasterPace(*w))
        seen += row(currentPace(*w).text, tickPeriodMs(*w)) + " ";
    EXPECT_FALSE(fasterPace(*w));
    while (slowerPace(*w))
        seen += row(currentPace(*w).text, tickPeriodMs(*w)) + " ";
    EXPECT_FALSE(slowerPace(*w));
    EXPECT_EQ(seen, "2×|312 4×|156 2×|312 1×|625 ½×|1250 ");
    EXPECT_EQ(w->monthInterval, 2500);
    w->monthInterval = 3, w->paceStep = 3;  // never a timer that does not wait
    EXPECT_EQ(tickPeriodMs(*w), 1);
}

TEST(Opponents, CountryNineUnlessItIsThePlayersThenTheStrongestApartFromHim)
{
    auto afrika = std::make_unique<WorldState>();
    ASSERT_TRUE(loadMap(*afrika, STRATAGON_ASSETS "/cards/Afrika.mgi").ok);
    const auto borders = [&](int a, int b) {
        for (int j = 1; j <= afrika->neighbourCount[a]; ++j)
            if (countryIndexByName(*afrika, afrika->neighbourName[a][j]) == b)
                return true;
        return false;
    };
    const std::vector<int> usual = chooseOpponents(*afrika, 1, 1);
    EXPECT_EQ(usual, std::vector<int>{9});
    for (const int player : {9, 1}) {
        SCOPED_TRACE(player);
        const std::vector<int> five = chooseOpponents(*afrika, player, 5);
        ASSERT_EQ(five.size(), 5u);
        for (std::size_t i = 0; i < five.size(); ++i) {
            EXPECT_NE(five[i], player);
            EXPECT_FALSE(borders(five[i], player)) << five[i];
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_TRUE(five[i] != five[j] && !borders(five[i], five[j])) << five[i] << " " << five[j];
        }
        // The first one alone is the first of more.
        EXPECT_EQ(chooseOpponents(*afrika, player, 1), std::vector<int>{five[0]});
    }
    // For player 9: the strongest country not bordering him.
    const int first = chooseOpponents(*afrika, 9, 1).at(0);
    for (int c = 1; c <= afrika->countryCount; ++c) {
        if (c != 9 && !borders(c, 9)) {
            EXPECT_LE(generalStrength(*afrika, c), generalStrength(*afrika, first)) << c;
        }
    }

    // A chain of five has no country 9: C5 lies farthest from C1 (all equally
    // weak), then C3 apart from both; when all that is left borders, the
    // lowest index comes first.
    auto chain = chainWorld(5);
    EXPECT_EQ(chooseOpponents(*chain, 1, 1), std::vector<int>{5});
    EXPECT_EQ(chooseOpponents(*chain, 1, 4), (std::vector<int>{5, 3, 2, 4}));
    addGeneral(*chain, 4, "Stark", 50);
    EXPECT_EQ(chooseOpponents(*chain, 1, 1), std::vector<int>{4});
    EXPECT_TRUE(chooseOpponents(*chainWorld(1), 1, 1).empty());
    EXPECT_EQ(chooseOpponents(*chainWorld(2), 1, 3), std::vector<int>{2});
}
