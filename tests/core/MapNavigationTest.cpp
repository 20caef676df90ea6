// SPDX-License-Identifier: GPL-3.0-or-later
// Walking the map by keyboard: the neighbour in a direction, a country by
// the first letters of its name, and the chance a country's entry tells.

#include "simulation/Odds.h"
#include "world/MapNavigation.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// C1 in the middle at (100, 100) with neighbours: C2 to the right, C3 up and
// to the right, C4 to the left, C5 below, C6 far straight up (across the
// sea). C7 lies just above C1 but is no neighbour.
std::unique_ptr<WorldState> starWorld()
{
    auto w = chainWorld(7);
    const std::array<std::pair<int, int>, 8> seeds{
        {{0, 0}, {100, 100}, {140, 102}, {130, 60}, {60, 100}, {100, 140}, {100, 20}, {100, 90}}};
    for (int i = 1; i <= 7; ++i) {
        w->fillX[i] = seeds[i].first, w->fillY[i] = seeds[i].second;
        w->neighbourCount[i] = 0;
    }
    for (const char* n : {"C2", "C3", "C4", "C5", "C6", "C2", "Nirgendwo"})  // a repeat and an unknown name
        w->neighbourName[1][++w->neighbourCount[1]] = n;
    w->neighbourName[2][++w->neighbourCount[2]] = "C1";
    return w;
}

}  // namespace

TEST(MapNavigation, ArrowsGoToTheNeighbourMostNearlyInTheirDirection)
{
    auto w = starWorld();
    EXPECT_EQ(row(neighbourToward(*w, 1, Heading::Right), neighbourToward(*w, 1, Heading::Left),
                  neighbourToward(*w, 1, Heading::Down), neighbourToward(*w, 1, Heading::Up)),
              "2|4|5|6");  // straight up beats the nearer diagonal; C7 is no neighbour
    EXPECT_EQ(neighboursOf(*w, 1), (std::vector<int>{2, 3, 4, 5, 6}));

    // On an equal angle the nearer one wins.
    w->fillX[3] = 100, w->fillY[3] = 60;
    EXPECT_EQ(neighbourToward(*w, 1, Heading::Up), 3);

    // Nothing that way, or no country to start from: stay.
    EXPECT_EQ(row(neighbourToward(*w, 2, Heading::Right), neighbourToward(*w, 2, Heading::Left),
                  neighbourToward(*w, 0, Heading::Left), neighbourToward(*w, 99, Heading::Left)),
              "0|1|0|0");
}

TEST(MapNavigation, LettersFindNamesFromTheFocusOnCaseFoldedAndWrapping)
{
    auto w = chainWorld(5);
    const char* names[] = {"", "Benin", "Angola", "Ägypten", "Algerien", "Äthiopien"};
    for (int i = 1; i <= 5; ++i)
        w->countryName[i] = names[i];

    EXPECT_EQ(countryByPrefix(*w, "a", 0, true), 4);   // Algerien first in name order
    EXPECT_EQ(countryByPrefix(*w, "a", 4, false), 2);  // the same letter again: the next one
    EXPECT_EQ(countryByPrefix(*w, "a", 2, false), 4);  // and round again
    EXPECT_EQ(countryByPrefix(*w, "AN", 4, true), 2);
    EXPECT_EQ(countryByPrefix(*w, "al", 4, true), 4);  // still matching: the focus stays
    EXPECT_EQ(countryByPrefix(*w, "ä", 0, true), 3);
    EXPECT_EQ(countryByPrefix(*w, "ÄT", 3, true), 5);
    EXPECT_EQ(row(countryByPrefix(*w, "x", 1, true), countryByPrefix(*w, "", 1, true)), "0|0");
    EXPECT_EQ(foldCase("ÄÖÜ×Zß"), "äöü×zß");
}

TEST(MapNavigation, BestChanceUsesTheStrongestGeneralWhoMayGoAgainstTheDefender)
{
    auto w = chainWorld(3);
    addGeneral(*w, 1, "Anna", 10), addGeneral(*w, 1, "Bert", 50, InBattle), addGeneral(*w, 1, "Carl", 30, Training);
    addGeneral(*w, 2, "Dora", 5, InBattle), addGeneral(*w, 2, "Emil", 20);

    EXPECT_DOUBLE_EQ(bestPlayerChance(*w, 2), attackChance(30, 20));  // Bert is in battle, Dora too
    EXPECT_DOUBLE_EQ(chanceAgainstHolder(*w, 3, 10), attackChance(10, w->generalEP[3][0]));  // no general: slot 0
    EXPECT_LT(bestPlayerChance(*w, 0), 0);

    w->generalStatus[1][1] = w->generalStatus[1][3] = InBattle;
    EXPECT_LT(bestPlayerChance(*w, 2), 0);  // nobody left to send
}
