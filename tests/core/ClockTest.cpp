#include "simulation/Battle.h"
#include "simulation/Clock.h"

#include "WholeGameSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;
using namespace stratagon::test;

TEST(Clock, CalendarTurnsEveryFourthTickFromJanuary2000)
{
    auto w = chainWorld(2);
    w->year = 2000, w->month = 0, w->tickCount = 3;  // as the set-up leaves them
    ScriptedRandom random;
    std::string months;
    for (int tick = 0; tick < 49; ++tick)
        if (advanceCalendar(*w, random); w->tickCount == 0)
            months += w->monthName + " ";
    EXPECT_EQ(months + dateText(*w), "Januar Februar März April Mai Juni Juli August September Oktober November "
                                     "Dezember Januar Januar 2001");
    EXPECT_EQ(random.reseeds, 13);  // once per month only
}

TEST(Clock, TickDrawsRecruitThenDifficultyThenTrainingUpToFiveGenerals)
{
    // C1 the player with a general in training; C2 the opponent with three;
    // C3 passive with a ready general and slot 0 in training.
    auto w = chainWorld(3);
    w->aiDivisor = 4, w->countryKind[2] = KindOpponent, w->shownCountry = 1, w->year = 2001, w->month = 5;
    addGeneral(*w, 1, "Spieler", 2, Training), addGeneral(*w, 3, "Passiv", 7, Ready);
    for (int j = 1; j <= 3; ++j)
        addGeneral(*w, 2, "O" + std::to_string(j), 1, Training);
    w->generalStatus[2][4] = w->generalStatus[2][5] = w->generalStatus[3][0] = Training;
    ScriptedRandom random;
    GameView view;
    // Each tick: C1's training; C2's name when it recruits, its difficulty
    // draw (aiDivisor 0 acts as 1) and its trainees'; C3's slot 0 (its ready
    // general draws nothing).
    const auto tick = [&](int name, int difficulty, int divisor, std::initializer_list<int> training) {
        random.pushDraw(0, 16);
        if (name >= 0)
            random.pushDraw(name, 10);
        random.pushDraw(difficulty, divisor), pushDraws(random, training, 16), random.pushDraw(0, 16);
        clockTick(*w, random, view);
        EXPECT_EQ(random.remaining(), 0u);
    };
    tick(6, 1, 4, {3, 3, 3, 0});  // recruits "Tinkay", who trains at once
    EXPECT_EQ(random.reseeds, 2);  // the tick and the name pick
    EXPECT_EQ(row(w->generalEP[1][1], w->generalName[2][4], w->generalEP[2][4], w->generalEP[3][0], w->generalEP[3][1]),
              "3|Tinkay|2|1|7");
    tick(1, 1, 4, {1, 1, 1, 1, 1});
    EXPECT_EQ(w->generalName[2][5], "Erwin");
    tick(-1, 1, 4, {1, 1, 1, 1, 1});
    EXPECT_EQ(row(w->generalCount[2], w->battleCount), "5|0");
    w->aiDivisor = 0, w->generalEP[2][1] = 9;
    tick(-1, 0, 1, {1, 1, 1, 1});  // O1 (9 EP) attacks the player's 6 EP and trains no more
    // The new battle steps from the next tick on.
    EXPECT_EQ(row(w->battleCount, w->battleDefenderScore[1], int(w->playerBattleCount)), "1|80|0");
}

TEST(Clock, TickShowsInOrderAndGeneralsOfAFinishedBattleTrainAtOnce)
{
    auto w = chainWorld(3);
    w->countryOwner[3] = 1, w->tickCount = 3, w->month = 5, w->year = 2001;
    addGeneral(*w, 3, "A", 10), addGeneral(*w, 2, "D", 10);
    openBattle(*w, 2, 3, 1, 2, 1);
    w->battleDefenderScore[1] = 97, w->battleAttackerScore[1] = 3;
    ScriptedRandom random;
    pushDraws(random, {0, 4}, 5), pushDraws(random, {0, 0}, 16);  // both generals are back in training
    RecordingView view(w.get());
    clockTick(*w, random, view);
    EXPECT_EQ(row(random.remaining(), w->generalEP[2][1], w->generalEP[3][1]), "0|16|11");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"clear", "fill|10|5|red", "fill|20|5|green", "fill|30|5|red",
                                                    "battlePanel", "infoPanel", "date|Juni 2001"}));
}

TEST(Clock, NoTickStartsWhileAnotherWaitsForTheEndMessage)
{
    auto w = chainWorld(2);
    w->countryOwner[2] = 1;  // won
    SeededRandom random(1);
    RecordingView view(w.get());
    view.onMessage = [&] {
        EXPECT_TRUE(clockTickRunning());
        clockTick(*w, random, view);
    };
    clockTick(*w, random, view);
    EXPECT_EQ(view.calls.size(), 8u);  // clear, 2 fills, 2 panels, date, message, close: once
    EXPECT_FALSE(clockTickRunning());
}

TEST(Clock, InfoPanelShowsHeldCountriesUnderTheHoldersName)
{
    auto w = chainWorld(5);
    addGeneral(*w, 1, "Erster", 12), addGeneral(*w, 1, "Zweiter", 3);
    w->countryOwner[3] = 1, w->countryOwner[4] = 2;
    fillPanelValues(*w, 3);
    EXPECT_EQ(row(w->Kontinent, w->Genralmenge, w->panelGeneralName[2], w->panelGeneralEP[1]), "Testland|2|Zweiter|12");
    const std::pair<int, const char*> cases[] = {
        {3, "C1, Kolonie : C3"}, {1, "C1, Kolonie : C1"}, {5, "C5"}, {4, "C2, Kolonie : C4"}, {250, ""}};
    for (const auto& [country, land] : cases) {
        fillPanelValues(*w, country);
        EXPECT_EQ(w->land, land) << country;
    }
    EXPECT_EQ(w->Genralmenge, 0);
}
