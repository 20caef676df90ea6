#include "world/Ranks.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>

using namespace stratagon;

TEST(Ranks, LadderTextsAndRankNameAtEveryBoundary)
{
    const std::pair<const char*, const char*> ladder[] = {
        {"Panzergrenadier", "(-40)-(-31)"}, {"Gefreiter", "(-30)-(-21)"}, {"Obergefreiter", "(-20)-(-11)"},
        {"Stabsgefreiter", "(-10)-(-1)"}, {"Unteroffizier", "0 - 4"}, {"Stabsunteroffizier", "5 - 9"},
        {"Feldwebel", "10 - 14"}, {"Oberfeldwebel", "15 - 19"}, {"Stabsfeldwebel", "20 - 24"},
        {"Oberstabsfeldwebel", "25 - 29"}, {"Leutnamt", "30 - 34"}, {"Oberleutnamt", "35 - 39"},
        {"Hauptmann", "40 - 44"}, {"Major", "45 - 49"}, {"Oberstleutnamt", "50 - 54"}, {"Oberst", "55 - 64"},
        {"Brigadegeneral", "65 - 74"}, {"Generalmajor", "75 - 84"}, {"Generalleutnamt", "85 - 94"},
        {"General", "95 - 100"},
    };
    ASSERT_EQ(RankLadder.size(), std::size(ladder));
    for (std::size_t i = 0; i < RankLadder.size(); ++i) {
        EXPECT_EQ(RankLadder[i].name, ladder[i].first) << i;
        EXPECT_EQ(RankLadder[i].range, ladder[i].second) << i;
        int low = 0, high = 0;  // rankName knows no rank below 0
        if (i >= 4 && std::sscanf(ladder[i].second, "%d - %d", &low, &high) == 2) {
            EXPECT_EQ(rankName(low), ladder[i].first) << low;
            EXPECT_EQ(rankName(high), ladder[i].first) << high;
        }
    }
    for (const int ep : {-1, -35, INT_MIN})
        EXPECT_EQ(rankName(ep), "Unteroffizier") << ep;
    for (const int ep : {101, 1000, INT_MAX})
        EXPECT_EQ(rankName(ep), "General") << ep;
}
