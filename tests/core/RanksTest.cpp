#include "world/Ranks.h"

#include <gtest/gtest.h>

using namespace stratagon;

TEST(Ranks, NamesChangeExactlyAtTheLadderBoundaries)
{
    const std::pair<int, const char*> boundaries[] = {
        {-35, "Unteroffizier"},     {-1, "Unteroffizier"},      {0, "Unteroffizier"},
        {4, "Unteroffizier"},       {5, "Stabsunteroffizier"},  {9, "Stabsunteroffizier"},
        {10, "Feldwebel"},          {15, "Oberfeldwebel"},      {20, "Stabsfeldwebel"},
        {25, "Oberstabsfeldwebel"}, {30, "Leutnamt"},           {34, "Leutnamt"},
        {35, "Oberleutnamt"},       {40, "Hauptmann"},          {45, "Major"},
        {50, "Oberstleutnamt"},     {54, "Oberstleutnamt"},     {55, "Oberst"},
        {64, "Oberst"},             {65, "Brigadegeneral"},     {74, "Brigadegeneral"},
        {75, "Generalmajor"},       {85, "Generalleutnamt"},    {94, "Generalleutnamt"},
        {95, "General"},            {100, "General"},           {101, "General"},
        {1000, "General"},          {INT32_MIN, "Unteroffizier"}, {INT32_MAX, "General"},
    };
    for (const auto& [ep, name] : boundaries)
        EXPECT_EQ(rankName(ep), name) << "EP " << ep;
}

TEST(Ranks, LadderListsTwentyRanksFromPanzergrenadierToGeneral)
{
    ASSERT_EQ(RankLadder.size(), 20u);
    EXPECT_EQ(RankLadder.front().name, "Panzergrenadier");
    EXPECT_EQ(RankLadder.front().range, "(-40)-(-31)");
    EXPECT_EQ(RankLadder[4].range, "0 - 4");
    EXPECT_EQ(RankLadder.back().name, "General");
    EXPECT_EQ(RankLadder.back().range, "95 - 100");
    // Every name rankName can give stands on the ladder from row 5 on.
    for (int ep = -5; ep <= 120; ++ep) {
        bool found = false;
        for (std::size_t i = 4; i < RankLadder.size(); ++i)
            found = found || RankLadder[i].name == rankName(ep);
        EXPECT_TRUE(found) << ep;
    }
}
