// SPDX-License-Identifier: GPL-3.0-or-later
// The clock: the calendar, the order of a tick's draws, what the tick
// reports, the map's paints and the information panel.

#include "simulation/Clock.h"
#include "simulation/EndOfGame.h"
#include "simulation/Opponent.h"
#include "simulation/Pace.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;
using namespace stratagon::test;

TEST(Clock, ZuegigTickTrainsEachKindAtItsOddsAndRecruitsStronger)
{
    // C1 the player, C2 the opponent (no generals yet), C3 passive: one
    // general each in training; every draw is the last below the odds.
    const RuleTable& rules = ruleTable(RulesZuegig);
    auto w = chainWorld(3);
    w->ruleSet = RulesZuegig, w->aiDivisor = 4, w->countryKind[2] = KindOpponent;
    addGeneral(*w, 1, "Spieler", 5, Training), addGeneral(*w, 3, "Passiv", 5, Training);
    w->generalStatus[2][1] = Training;
    ScriptedRandom random;
    random.pushDraw(0, rules.trainingOdds[KindPlayer]);
    random.pushDraw(0, 10), random.pushDraw(1, 4 * rules.opponentTurnFactor);
    random.pushDraw(0, rules.opponentTrainingOdds[strengthStep(4)]);
    random.pushDraw(1, rules.trainingOdds[KindPassive]);
    clockTick(*w, random);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(row(w->generalEP[1][1], w->generalEP[2][1], w->generalEP[3][1]),
              row(6, rules.opponentRecruitEP + rules.opponentRecruitBonus / 4 + 1, 5));
}

TEST(Clock, CalendarTurnsEveryFourthTickFromJanuary2000)
{
    auto w = chainWorld(2);
    w->year = 2000, w->month = 0, w->tickCount = 3;  // as the set-up leaves them
    std::string months;
    for (int tick = 0; tick < 49; ++tick, months += w->tickCount ? "" : std::to_string(w->month) + " ")
        advanceCalendar(*w);
    EXPECT_EQ(months + row(w->month, w->year), "1 2 3 4 5 6 7 8 9 10 11 12 1 1|2001");
    w->month = 14;
    for (int tick = 0; tick < 4; ++tick)
        advanceCalendar(*w);
    EXPECT_EQ(row(w->month, w->year), "1|2002");  // a month beyond December, as from a damaged file
}

TEST(Clock, TickDrawsRecruitThenDifficultyThenTrainingUpToFiveGenerals)
{
    // C1 the player with a general in training; C2 the opponent with three;
    // C3 passive with a ready general and slot 0 in training.
    auto w = chainWorld(3);
    w->aiDivisor = 4, w->countryKind[2] = KindOpponent, w->year = 2001, w->month = 5;
    addGeneral(*w, 1, "Spieler", 2, Training), addGeneral(*w, 3, "Passiv", 7, Ready);
    for (int j = 1; j <= 5; ++j)  // O1..O3 in training with 1 EP; slots 4 and 5 left in training
        w->generalStatus[2][j] = Training, w->generalEP[2][j] = j <= 3 ? 1 : 0;
    w->generalCount[2] = 3, w->generalStatus[3][0] = Training;
    ScriptedRandom random;
    const auto names = opponentNamePool(w->continentName);
    // Each tick: C1's training; C2's name when it recruits, its difficulty
    // draw (aiDivisor 0 acts as 1) and its trainees'; C3's slot 0 (its ready
    // general draws nothing).
    const auto tick = [&](int name, int difficulty, int divisor, std::initializer_list<int> training) {
        random.pushDraw(0, 16);
        if (name >= 0)
            random.pushDraw(name, int(names.size()));
        random.pushDraw(difficulty, divisor), pushDraws(random, training, 16), random.pushDraw(0, 16);
        clockTick(*w, random);
        EXPECT_EQ(random.remaining(), 0u);
    };
    tick(6, 1, 4, {3, 3, 3, 0});   // recruits the pool's seventh name, who trains at once
    EXPECT_EQ(row(w->generalEP[1][1], w->generalName[2][4], w->generalEP[2][4], w->generalEP[3][0], w->generalEP[3][1]),
              row(3, names[6], 2, 1, 7));
    tick(1, 1, 4, {1, 1, 1, 1, 1});
    EXPECT_EQ(w->generalName[2][5], names[1]);
    tick(-1, 1, 4, {1, 1, 1, 1, 1});
    EXPECT_EQ(row(w->generalCount[2], w->battleCount), "5|0");
    w->aiDivisor = 0, w->generalEP[2][1] = 9;
    tick(-1, 0, 1, {1, 1, 1, 1});  // O1 (9 EP) attacks the player's 6 EP and trains no more
    // The new battle steps from the next tick on.
    EXPECT_EQ(row(w->battleCount, w->battles[1].defenderScore, int(w->playerBattleCount)), "1|80|0");
}

TEST(Clock, GeneralsOfAFinishedBattleTrainAtOnce)
{
    auto w = chainWorld(3);
    w->countryOwner[3] = 1, w->tickCount = 3, w->month = 5, w->year = 2001;
    addGeneral(*w, 3, "A", 10), addGeneral(*w, 2, "D", 10), fight(*w, 2, 3, 1, 2, 1);
    w->battles[1].defenderScore = 97, w->battles[1].attackerScore = 3;
    ScriptedRandom random;
    pushDraws(random, {0, 4}, 5), pushDraws(random, {0, 0}, 16);  // both generals are back in training
    const TickReport report = clockTick(*w, random);
    EXPECT_EQ(row(random.remaining(), w->generalEP[2][1], w->generalEP[3][1], w->month, w->year), "0|16|11|6|2001");
    EXPECT_EQ(told(report), (std::vector<std::string>{"ended|2|2|2", "promoted|2|1|D|15"}));
    EXPECT_EQ(report.outcome, GameOutcome::Running);
}

// Each side in play in its own style, the player's first also when he is one
// of the sides listed; passive countries and owners off the list unpainted.
TEST(MapPaints, EverySideInPlayInItsOwnStyle)
{
    auto w = chainWorld(8);
    w->sideMax = 3, w->side[2] = 4, w->side[3] = 1;  // side 3 is the player again
    w->countryOwner[5] = 4, w->countryOwner[6] = 2, w->countryOwner[7] = 9, w->countryOwner[8] = 0;
    for (const ColourScheme scheme : {ColourScheme::Standard, ColourScheme::ColourBlind}) {
        std::string painted;
        for (const CountryPaint& p : mapPaints(*w, scheme))
            for (int s = 0; s <= 5; ++s)
                if (p.style == sideStyle(scheme, s)) {
                    painted += row(p.x / 10, s) + " ";
                    break;
                }
        EXPECT_EQ(painted, "1|0 2|1 4|2 5|2 6|1 ");
    }
    EXPECT_NE(sideStyle(ColourScheme::ColourBlind, 1), sideStyle(ColourScheme::ColourBlind, 2));
}

// The game goes on while anything is left to win or to lose (won and lost
// games: the whole games' tests).
TEST(Clock, TheGameGoesOnWhileAnythingIsLeftToWinOrLose)
{
    auto w = chainWorld(4);
    w->countryOwner[2] = 1;  // the opponent is gone, but passive countries remain
    EXPECT_EQ(endOfGameCheck(*w), GameOutcome::Running);
    w->countryOwner[3] = 1, w->countryOwner[1] = 2;  // home lost, colonies held
    EXPECT_EQ(endOfGameCheck(*w), GameOutcome::Running);
    EXPECT_TRUE(w->playing);
    EXPECT_EQ(endOfGameCheck(*chainWorld(0)), GameOutcome::Running);  // nothing to win on an empty map
    EXPECT_TRUE(endMessage(*w, GameOutcome::Running).text.empty());
}

TEST(CountryPanel, AHeldCountryIsShownUnderItsHoldersName)
{
    auto w = chainWorld(5);
    addGeneral(*w, 1, "Erster", 12), addGeneral(*w, 1, "Zweiter", 3), addGeneral(*w, 3, "Dritter", 5);
    w->countryOwner[3] = 1, w->countryOwner[4] = 2;
    std::string shown;  // holder, country, continent, the generals listed (the holder's)
    for (const int country : {3, 1, 5, 4, 250}) {
        const CountryPanel panel = describeCountry(*w, country);
        shown += row(panel.holder, panel.land, panel.continent, panel.generals.size());
        for (const auto& [name, ep] : panel.generals)
            shown += "|" + row(name, ep);
        shown += ";";
    }
    EXPECT_EQ(shown, "C1|C3|Testland|2|Erster|12|Zweiter|3;C1|C1|Testland|2|Erster|12|Zweiter|3;"
                     "|C5|Testland|0;C2|C4|Testland|0;||Testland|0;");
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
