// SPDX-License-Identifier: GPL-3.0-or-later
// The guided first game, played on the shipped map by a player who does
// exactly what each step asks and nothing else.

#include "CoreTestSupport.h"

#include "simulation/Guide.h"
#include "simulation/PlayerActions.h"

namespace stratagon::test {

namespace {

// The guided game as the program sets it up: the map loaded, then its side and settings.
struct GuidedGame {
    explicit GuidedGame(unsigned long long seed) : random(seed)
    {
        loadMap(*w, Afrika);
        prepareGuidedGame(*w);
        w->monthInterval = 833;
        setup = startGame(*w, random, Afrika, GuideOpponents);
        startGuide(*w);
    }
    bool act(GuideAction action, int country = 0) { return guideAction(*w, action, country); }
    GuideStep tick()
    {
        guideTick(*w, clockTick(*w, random));
        ++ticks;
        return guideStep(*w);
    }
    // Attacks the weakest neighbour with the best general.
    void attack()
    {
        const GuideTarget target = weakestNeighbour(*w);
        ASSERT_NE(target.country, 0);
        ASSERT_EQ(launchAttack(*w, target.country, bestGeneral(*w, w->side[0])), AttackOutcome::Launched);
    }

    std::unique_ptr<WorldState> w = std::make_unique<WorldState>();
    SeededRandom random;
    SetupResult setup;
    int ticks = 0;
};

int farCountry(const WorldState& w)
{
    for (int k = 1; k <= w.countryCount; ++k)
        if (!attackableCode(w, w.countryCode[k]) && w.countryOwner[k] != w.side[0])
            return k;
    return 0;
}

}  // namespace

TEST(Guide, TheGuidedGameIsAfrikaAsSuedafrikaAtTheEasiestStrengthByTheQuickRules)
{
    GuidedGame g(3);
    ASSERT_TRUE(g.setup.started);
    EXPECT_EQ(g.w->countryName[g.w->side[0]], "Südafrika");
    EXPECT_EQ(row(g.w->sideMax, g.w->aiDivisor, g.w->ruleSet), row(1, 256, int(RulesZuegig)));
    EXPECT_EQ(guideStep(*g.w), GuideStep::StartClock);
}

TEST(Guide, OnlyTheActionTheStepAsksForMovesIt)
{
    GuidedGame g(3);
    // Out of turn, nothing moves.
    for (const GuideAction early : {GuideAction::Recruited, GuideAction::AttackLaunched, GuideAction::ReportOpened,
                                    GuideAction::ClockPaused, GuideAction::CountryLooked})
        EXPECT_FALSE(g.act(early, weakestNeighbour(*g.w).country));
    EXPECT_TRUE(g.act(GuideAction::ClockStarted));
    // Only a neighbour counts as one: not the own country, nor one far away.
    EXPECT_FALSE(g.act(GuideAction::CountryLooked, g.w->side[0]));
    EXPECT_FALSE(g.act(GuideAction::CountryLooked, farCountry(*g.w)));
    EXPECT_FALSE(g.act(GuideAction::CountryLooked, 0));
    EXPECT_TRUE(g.act(GuideAction::CountryLooked, weakestNeighbour(*g.w).country));
    EXPECT_EQ(guideStep(*g.w), GuideStep::Recruit);

    // A game without guidance never gets any.
    endGuide(*g.w);
    for (const GuideAction action : {GuideAction::ClockStarted, GuideAction::Recruited})
        EXPECT_FALSE(g.act(action));
    EXPECT_FALSE(guideTick(*g.w, clockTick(*g.w, g.random)));
    EXPECT_EQ(guideStep(*g.w), GuideStep::Off);
}

TEST(Guide, PlayedAsToldItEndsAtTheFirstConquestOnEverySeed)
{
    for (const unsigned long long seed : {1ULL, 2ULL, 3ULL, 4ULL, 5ULL, 6ULL, 7ULL, 8ULL}) {
        SCOPED_TRACE(seed);
        GuidedGame g(seed);
        const int ownBefore =
            std::count(g.w->countryOwner.begin() + 1, g.w->countryOwner.begin() + 1 + g.w->countryCount, g.w->side[0]);
        g.act(GuideAction::ClockStarted);
        g.act(GuideAction::CountryLooked, weakestNeighbour(*g.w).country);
        ASSERT_EQ(recruitGeneral(*g.w, "Hapufo"), RecruitOutcome::Recruited);
        g.act(GuideAction::Recruited);
        ASSERT_EQ(setGeneralTask(*g.w, g.w->generalCount[g.w->side[0]], Training), TaskOutcome::Set);
        g.act(GuideAction::TrainingSet);
        // The step names a neighbour the player may really attack, with a fair chance.
        const GuideTarget target = weakestNeighbour(*g.w);
        EXPECT_TRUE(attackableCode(*g.w, g.w->countryCode[target.country]));
        EXPECT_GT(target.chance, 0.5);
        g.attack();
        ASSERT_TRUE(g.act(GuideAction::AttackLaunched));
        ASSERT_EQ(g.tick(), GuideStep::Pause);
        for (const GuideAction action :
             {GuideAction::ClockPaused, GuideAction::PaceChanged, GuideAction::MessageRead, GuideAction::ReportOpened})
            ASSERT_TRUE(g.act(action));
        // The player waits, and attacks again after a battle lost.
        while (guideStep(*g.w) != GuideStep::Done && g.ticks < 4 * 12 * 2 && g.w->playing) {
            if (!playerBattleRunning(*g.w))
                g.attack();
            g.tick();
        }
        EXPECT_EQ(guideStep(*g.w), GuideStep::Done) << "after " << g.ticks << " ticks";
        EXPECT_TRUE(g.w->guideConquered);
        const int ownAfter =
            std::count(g.w->countryOwner.begin() + 1, g.w->countryOwner.begin() + 1 + g.w->countryCount, g.w->side[0]);
        EXPECT_GT(ownAfter, ownBefore);
        std::printf("seed %llu: first conquest after %d ticks\n", seed, g.ticks);
    }
}

TEST(Guide, AConquestBeforeTheWaitingStepLeadsStraightToTheClosingWord)
{
    GuidedGame g(5);
    g.w->guideStep = static_cast<int32_t>(GuideStep::Report);
    g.w->guideConquered = true;
    EXPECT_TRUE(g.act(GuideAction::ReportOpened));
    EXPECT_EQ(guideStep(*g.w), GuideStep::Done);
    // The closing word stays until the player answers it.
    EXPECT_EQ(g.tick(), GuideStep::Done);
}

// Training is asked for only when it changes something: new generals
// train from the start, so the step is passed; a general the player holds
// ready brings it, and sending him to training moves on.
TEST(Guide, TrainingIsAskedForOnlyWhenAGeneralStandsReady)
{
    GuidedGame g(2);
    g.w->guideStep = static_cast<int32_t>(GuideStep::Recruit);
    ASSERT_EQ(readyGeneral(*g.w), 0);
    ASSERT_TRUE(g.act(GuideAction::Recruited));
    EXPECT_EQ(guideStep(*g.w), GuideStep::Attack);

    g.w->guideStep = static_cast<int32_t>(GuideStep::Recruit);
    const int p = g.w->side[0];
    ASSERT_EQ(setGeneralTask(*g.w, 2, Ready), TaskOutcome::Set);
    EXPECT_EQ(readyGeneral(*g.w), 2);
    ASSERT_TRUE(g.act(GuideAction::Recruited));
    EXPECT_EQ(guideStep(*g.w), GuideStep::Train);
    ASSERT_EQ(setGeneralTask(*g.w, 2, Training), TaskOutcome::Set);
    EXPECT_TRUE(g.act(GuideAction::TrainingSet));
    EXPECT_EQ(guideStep(*g.w), GuideStep::Attack);

    // A saved game at the training step with nobody ready left moves on by itself.
    g.w->guideStep = static_cast<int32_t>(GuideStep::Train);
    EXPECT_EQ(g.tick(), GuideStep::Attack);
    EXPECT_EQ(g.w->generalStatus[p][2], Training);
}

// The neighbours the guidance marks: every country beside the player's that he does not hold.
TEST(Guide, TheNeighboursAreThoseBesideThePlayersCountries)
{
    GuidedGame g(2);
    const std::vector<int> neighbours = playerNeighbours(*g.w);
    ASSERT_FALSE(neighbours.empty());
    for (int k = 1; k <= g.w->countryCount; ++k) {
        // Looking at a country marked is what the step asks for, and only that.
        g.w->guideStep = static_cast<int32_t>(GuideStep::LookAtNeighbour);
        const bool marked = std::count(neighbours.begin(), neighbours.end(), k) == 1;
        EXPECT_EQ(g.act(GuideAction::CountryLooked, k), marked) << g.w->countryName[k];
        EXPECT_TRUE(!marked || g.w->countryOwner[k] != g.w->side[0]);
    }
    EXPECT_EQ(std::count(neighbours.begin(), neighbours.end(), weakestNeighbour(*g.w).country), 1);
}

}  // namespace stratagon::test
