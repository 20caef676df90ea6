#include "simulation/Battle.h"
#include "simulation/Clock.h"

#include "WholeGameSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;
using namespace stratagon::test;

TEST(Calendar, SetUpValuesStartJanuary2000OnTheFirstTick)
{
    auto w = chainWorld(2);
    w->year = 2000;
    w->month = 0;
    w->tickCount = 3;
    ScriptedRandom random;
    advanceCalendar(*w, random);
    EXPECT_EQ(w->tickCount, 0);
    EXPECT_EQ(w->month, 1);
    EXPECT_EQ(w->monthName, "Januar");
    EXPECT_EQ(dateText(*w), "Januar 2000");
    EXPECT_EQ(random.reseeds, 1);
}

TEST(Calendar, FourthTickAfterDecemberStartsJanuaryOfTheNextYear)
{
    auto w = chainWorld(2);
    w->year = 2003;
    w->month = 12;
    w->monthName = "Dezember";
    w->tickCount = 0;
    ScriptedRandom random;
    for (int i = 0; i < 3; ++i) {
        advanceCalendar(*w, random);
        EXPECT_EQ(dateText(*w), "Dezember 2003");
    }
    EXPECT_EQ(random.reseeds, 0);
    advanceCalendar(*w, random);
    EXPECT_EQ(w->month, 1);
    EXPECT_EQ(dateText(*w), "Januar 2004");
    EXPECT_EQ(random.reseeds, 1);
    for (int m = 2; m <= 12; ++m)
        for (int i = 0; i < 4; ++i)
            advanceCalendar(*w, random);
    EXPECT_EQ(dateText(*w), "Dezember 2004");
    EXPECT_EQ(MonthNames[3], "März");
}

TEST(Training, OnlyGeneralsInTrainingDrawAndSlotZeroTrainsToo)
{
    auto w = chainWorld(2);
    w->generalStatus[1][0] = Training;
    addGeneral(*w, 1, "Bereit", 4, Ready);
    addGeneral(*w, 1, "Lernt", 4, Training);
    addGeneral(*w, 1, "Kämpft", 4, InBattle);
    addGeneral(*w, 1, "Lernt auch", 4, Training);
    ScriptedRandom random;
    pushDraws(random, {0, 0, 15}, 16);
    trainGenerals(*w, random, 1);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(w->generalEP[1][0], 1);
    EXPECT_EQ(w->generalEP[1][1], 4);
    EXPECT_EQ(w->generalEP[1][2], 5);
    EXPECT_EQ(w->generalEP[1][3], 4);
    EXPECT_EQ(w->generalEP[1][4], 4);
}

namespace {

// C1 the player with one general in training; C2 the opponent with three
// generals; C3 passive with a ready general and slot 0 in training.
struct TickWorld {
    TickWorld()
    {
        w->aiDivisor = 4;
        w->countryKind[2] = KindOpponent;
        w->shownCountry = 1;
        w->tickCount = 0;
        w->month = 5;
        w->monthName = "Mai";
        w->year = 2001;
        addGeneral(*w, 1, "Spieler", 2, Training);
        for (int j = 1; j <= 3; ++j)
            addGeneral(*w, 2, "O" + std::to_string(j), 1, Training);
        for (int j = 4; j <= 5; ++j)
            w->generalStatus[2][j] = Training;
        addGeneral(*w, 3, "Passiv", 7, Ready);
        w->generalStatus[3][0] = Training;
    }
    std::unique_ptr<WorldState> w = chainWorld(3);
    ScriptedRandom random;
    RecordingView view{w.get()};
};

}  // namespace

TEST(ClockTick, DrawsInOrderRecruitThenDifficultyThenTraining)
{
    TickWorld t;
    t.random.pushDraw(0, 16);  // C1 slot 1 trains
    t.random.pushDraw(6, 10);  // C2 recruits "Tinkay"
    t.random.pushDraw(1, 4);   // no turn
    pushDraws(t.random, {3, 3, 3, 0}, 16);  // C2 slots 1..4, the recruit trains
    t.random.pushDraw(0, 16);  // C3 slot 0
    clockTick(*t.w, t.random, t.view);

    EXPECT_EQ(t.random.remaining(), 0u);
    EXPECT_EQ(t.random.reseeds, 2);  // the tick and the name pick
    EXPECT_EQ(t.w->generalEP[1][1], 3);
    EXPECT_EQ(t.w->generalCount[2], 4);
    EXPECT_EQ(t.w->generalName[2][4], "Tinkay");
    EXPECT_EQ(t.w->generalEP[2][4], 2);
    EXPECT_EQ(t.w->generalEP[3][0], 1);
    EXPECT_EQ(t.w->generalEP[3][1], 7);
    EXPECT_EQ(t.w->battleCount, 0);

    // The fifth general comes on the next tick, then no more.
    t.random.pushDraw(1, 16);
    t.random.pushDraw(1, 10);
    t.random.pushDraw(1, 4);
    pushDraws(t.random, {1, 1, 1, 1, 1}, 16);
    t.random.pushDraw(1, 16);
    clockTick(*t.w, t.random, t.view);
    EXPECT_EQ(t.w->generalCount[2], 5);
    EXPECT_EQ(t.w->generalName[2][5], "Erwin");
    EXPECT_EQ(t.random.remaining(), 0u);

    t.random.pushDraw(1, 16);
    t.random.pushDraw(1, 4);
    pushDraws(t.random, {1, 1, 1, 1, 1}, 16);
    t.random.pushDraw(1, 16);
    clockTick(*t.w, t.random, t.view);
    EXPECT_EQ(t.w->generalCount[2], 5);
    EXPECT_EQ(t.random.remaining(), 0u);
}

TEST(ClockTick, ShowsInOrderAndEndsWithTheDate)
{
    TickWorld t;
    t.w->countryOwner[3] = 1;
    t.w->aiDivisor = 1;
    t.w->tickCount = 3;
    SeededRandom random(7);
    clockTick(*t.w, random, t.view);
    const std::vector<std::string> expected = {"clear", "fill", "fill", "fill",
                                               "battlePanel", "infoPanel", "date"};
    EXPECT_EQ(t.view.calls, expected);
    EXPECT_EQ(t.view.dates.back(), "Juni 2001");
    const std::vector<Fill> fills = {{10, 5, PlayerColour}, {20, 5, OpponentColour}, {30, 5, PlayerColour}};
    EXPECT_EQ(t.view.fills, fills);
}

TEST(ClockTick, BattleOpenedInATickFirstStepsOnTheNext)
{
    TickWorld t;
    t.w->aiDivisor = 1;
    t.w->generalEP[2][1] = 9;
    SeededRandom random(3);
    clockTick(*t.w, random, t.view);
    ASSERT_GE(t.w->battleCount, 1);
    EXPECT_EQ(t.w->battleDefenderScore[1], 80);
    EXPECT_EQ(t.w->playerBattleCount, 0);
    clockTick(*t.w, random, t.view);
    EXPECT_GE(t.w->playerBattleCount, 1);
}

TEST(ClockTick, GeneralsOfAFinishedBattleTrainInTheSameTick)
{
    auto w = chainWorld(3);
    addGeneral(*w, 3, "A", 10);
    addGeneral(*w, 2, "D", 10);
    openBattle(*w, 2, 3, 1, 2, 1);
    w->battleDefenderScore[1] = 97;
    w->battleAttackerScore[1] = 3;
    ScriptedRandom random;
    RecordingView view(w.get());
    pushDraws(random, {0, 4}, 5);
    random.pushDraw(0, 16);  // C2 general 1, back in training
    random.pushDraw(0, 16);  // C3 general 1
    clockTick(*w, random, view);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(w->generalEP[2][1], 16);
    EXPECT_EQ(w->generalEP[3][1], 11);
}

TEST(ClockTick, DamagedDifficultyActsLikeTheStrongest)
{
    TickWorld t;
    t.w->aiDivisor = 0;
    t.w->generalCount[2] = 5;
    t.w->generalEP[2][1] = 9;
    t.random.pushDraw(1, 16);
    t.random.pushDraw(0, 1);
    pushDraws(t.random, {1, 1, 1, 1}, 16);  // O1 is in battle now
    t.random.pushDraw(1, 16);
    clockTick(*t.w, t.random, t.view);
    EXPECT_EQ(t.random.remaining(), 0u);
    EXPECT_EQ(t.w->battleCount, 1);  // O1 against the player's 2 EP
}

TEST(ClockTick, NoTickStartsWhileAnotherWaitsForTheEndMessage)
{
    auto w = chainWorld(2);
    w->countryOwner[2] = 1;  // the player holds everything: won
    SeededRandom random(1);
    RecordingView view(w.get());
    int nestedCalls = 0;
    view.onMessage = [&] {
        EXPECT_TRUE(clockTickRunning());
        const auto before = view.calls.size();
        clockTick(*w, random, view);
        nestedCalls += static_cast<int>(view.calls.size() - before);
    };
    clockTick(*w, random, view);
    EXPECT_EQ(nestedCalls, 0);
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_FALSE(clockTickRunning());
}

TEST(InfoPanel, HeldCountriesShowUnderTheHoldersName)
{
    auto w = chainWorld(4);
    addGeneral(*w, 1, "Erster", 12);
    addGeneral(*w, 1, "Zweiter", 3);
    addGeneral(*w, 3, "Dritter", 5);
    w->countryOwner[3] = 1;

    fillPanelValues(*w, 3);  // a colony of the player
    EXPECT_EQ(w->Kontinent, "Testland");
    EXPECT_EQ(w->land, "C1, Kolonie : C3");
    EXPECT_EQ(w->Genralmenge, 2);
    EXPECT_EQ(w->panelGeneralName[2], "Zweiter");
    EXPECT_EQ(w->panelGeneralEP[1], 12);

    fillPanelValues(*w, 1);  // the home country
    EXPECT_EQ(w->land, "C1, Kolonie : C1");

    fillPanelValues(*w, 4);  // passive
    EXPECT_EQ(w->land, "C4");
    EXPECT_EQ(w->Genralmenge, 0);
    EXPECT_EQ(w->panelGeneralName[2], "Zweiter");  // entries above the count stay

    w->countryOwner[4] = 2;  // held by the opponent, who has no generals
    fillPanelValues(*w, 4);
    EXPECT_EQ(w->land, "C2, Kolonie : C4");

    fillPanelValues(*w, 250);
    EXPECT_EQ(w->land, "");
    EXPECT_EQ(w->Genralmenge, 0);
}

TEST(Repaint, PlayerRedOpponentGreenOthersUntouched)
{
    auto w = chainWorld(5);
    w->countryOwner[3] = 2;
    w->countryOwner[4] = 0;
    RecordingView view;
    recolourMap(*w, view);
    const std::vector<Fill> expected = {{10, 5, PlayerColour}, {20, 5, OpponentColour}, {30, 5, OpponentColour}};
    EXPECT_EQ(view.fills, expected);

    w->side[1] = 1;  // player and opponent the same country: red wins
    view.fills.clear();
    recolourMap(*w, view);
    EXPECT_EQ(view.fills.front().colour, PlayerColour);
}
