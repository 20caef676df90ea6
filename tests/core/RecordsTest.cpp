// SPDX-License-Identifier: GPL-3.0-or-later
// What the game keeps of what happened: its story (month samples, the
// player's counts and peaks) and its messages, from scripted battles.

#include "simulation/Events.h"
#include "simulation/PlayerActions.h"
#include "simulation/Records.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// Ends battle k in the next step: draws of 0 leave the scores as set.
void decide(WorldState& w, int k, bool attackerWins)
{
    w.battles[k].defenderScore = attackerWins ? -50 : 250;
    ScriptedRandom random;
    for (int b = 1; b <= w.battleCount; ++b)
        pushDraws(random, {0, 0}, 5);
    step(w, random);
}

void tickIn(WorldState& w, int month)
{
    w.month = month;
    recordTick(w);
}

std::string sample(const MonthSample& m)
{
    return row(m.year, int(m.month), int(m.held[0]), int(m.held[1]), int(m.passive));
}


std::string eventsOf(const WorldState& w)
{
    std::string out;
    for (const GameEvent& e : w.events)
        out += row(int(e.kind), eventDate(e), germanText(e.text), eventStandsOut(e)) + "\n";
    return out;
}

}  // namespace

// Battles already under way when the story starts (the set-up tick's) end in
// it, so they count among the attacks: every battle won or lost was opened.
TEST(Records, BattlesUnderWayAtTheStartCountAsOpened)
{
    auto w = chainWorld(4);
    w->year = 2000, w->month = 1;
    addGeneral(*w, 1, "Anna", 5), addGeneral(*w, 2, "Feind", 5), addGeneral(*w, 3, "Dritter", 5);
    fight(*w, 1, 2, 1, 1, 1);  // on the player
    fight(*w, 4, 3, 1, 4, 0);  // between others
    startRecords(*w);
    EXPECT_EQ(row(w->records.attacksSuffered, w->records.battlesOpened), row(1, 0));
    decide(*w, 1, true);
    tickIn(*w, 1);
    EXPECT_EQ(w->records.battlesWon + w->records.battlesLost, 1);
}

TEST(Records, KnownConquestsGiveKnownLinesAndFigures)
{
    // C1 the player, C2 the opponent, C3..C5 passive; 400 ms a month.
    auto w = chainWorld(5);
    w->monthInterval = 400, w->year = 2000, w->month = 1;
    addGeneral(*w, 2, "Feind", 3);
    startRecords(*w);
    recruitGeneral(*w, "Anna"), recruitGeneral(*w, "Bert"), dismissGeneral(*w, 2);

    // February: C3 taken.
    ASSERT_EQ(launchAttack(*w, 3, 1), AttackOutcome::Launched);
    decide(*w, 1, true);
    tickIn(*w, 2);
    // March: the opponent takes C3 back, an attack on C4 fails; two ticks.
    fight(*w, 3, 2, 1, 1, 1), decide(*w, 1, true);
    ASSERT_EQ(launchAttack(*w, 4, 1), AttackOutcome::Launched);
    decide(*w, 1, false);
    tickIn(*w, 3), tickIn(*w, 3);
    // April: the opponent's home falls; a battle between others counts for no one.
    ASSERT_EQ(launchAttack(*w, 2, 1), AttackOutcome::Launched);
    decide(*w, 1, true);
    fight(*w, 4, 2, 1, 4, 0), decide(*w, 1, true);
    tickIn(*w, 4);
    w->paceStep = 3, tickIn(*w, 4);  // at four times the pace a tick is a quarter as long

    const GameRecords& r = w->records;
    std::vector<std::string> lines;
    for (const MonthSample& m : r.months)
        lines.push_back(sample(m));
    EXPECT_EQ(lines, (std::vector<std::string>{"2000|1|1|1|3", "2000|2|2|1|2", "2000|3|1|2|2", "2000|4|2|2|1"}));
    // Anna: EP 1, +5 for February, +5 for April: "Feldwebel" (level 6) in April.
    EXPECT_EQ(row(r.battlesOpened, r.battlesWon, r.battlesLost, r.attacksSuffered, r.countriesTaken, r.countriesLost,
                  r.generalsRecruited, r.generalsDismissed, r.highestRank, r.highestRankDate.month, r.largestEmpire,
                  r.largestEmpireDate.month, r.playedMs, recordedMonths(r)),
              row(3, 2, 2, 1, 2, 1, 2, 1, 6, 4, 2, 2, 4 * 100 + 25, 3));
}

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
        fight(*w, c.country, c.attacker, 1, c.defender, 1);
        // One step decides it: the score is put next to the winner's end.
        w->battles[1].defenderScore = c.attackerWins ? 0 : 100;
        ScriptedRandom random;
        pushDraws(random, c.attackerWins ? std::initializer_list<int>{4, 0} : std::initializer_list<int>{0, 4}, 5);
        step(*w, random);
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
        TickReport report;
        trainGenerals(*w, random, side, ruleTable(RulesKlassisch), report);
        chronicle(*w, report);
    }
    EXPECT_EQ(eventsOf(*w), "5|Januar 2000|Lehrling ist jetzt Stabsunteroffizier.|1\n");

    for (int i = 1; i <= 250; ++i)
        recordEvent(*w, EventKind::CountryTaken, Text::verbatim(std::to_string(i)));
    EXPECT_EQ(row(w->events.size(), germanText(w->events.front().text), germanText(w->events.back().text)), "200|51|250");
}
