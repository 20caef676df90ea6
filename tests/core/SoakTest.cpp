// SPDX-License-Identifier: GPL-3.0-or-later
// The soak's command line and one line of games as the tool plays it.

#include "SoakRun.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;

namespace {

bool parsed(std::vector<const char*> args, SoakOptions& options)
{
    args.insert(args.begin(), "stratagon_soak");
    return parseSoakOptions(static_cast<int>(args.size()), args.data(), options);
}

}  // namespace

TEST(Soak, TakesThePlayersPaceAndTheOpponentsCharactersAndListsTheKeys)
{
    SoakOptions o;
    ASSERT_TRUE(parsed({"--player-every", "12", "--personality", "guardian", "--rules", "zuegig", "--json"}, o));
    EXPECT_EQ(stratagon::test::row(o.playerEvery, o.characters->key(), o.rules, o.json), "12|guardian|1|1");
    SoakOptions plain;
    ASSERT_TRUE(parsed({"--list-personalities"}, plain));
    EXPECT_TRUE(plain.listPersonalities && !plain.characters && plain.playerEvery == 1);
    EXPECT_EQ(personalityKeys(), (std::vector<std::string>{"standard", "conqueror", "guardian", "strategist", "mixed"}));
    for (const std::vector<const char*>& wrong : {std::vector<const char*>{"--player-every", "0"},
                                                  {"--personality", "Eroberer"},
                                                  {"--opponents", "6"},
                                                  {"--games", "zehn"},
                                                  {"--rules", "schnell"},
                                                  {"--player-every"}}) {
        SoakOptions refused;
        EXPECT_FALSE(parsed(wrong, refused)) << wrong.front();
    }
}

TEST(Soak, ALineCountsTheOpponentsAttacksAndWritesEveryFigure)
{
    SoakOptions o;
    o.map = stratagon::test::Afrika, o.rules = RulesZuegig, o.games = 2, o.ticks = 48 * 20, o.playerEvery = 12;
    SeededRandom random(5);
    const SoakLine line = runSoakLine(o, Strengths[4], random);
    EXPECT_EQ(line.games, 2);
    EXPECT_GT(line.opponentAttacks, 0);
    int64_t reasons = 0;
    for (const int64_t n : line.reasons)
        reasons += n;
    EXPECT_EQ(reasons, line.opponentAttacks);  // every attack has its reason
    EXPECT_LE(line.attacksUnder50, line.opponentAttacks);
    // Attacks on a side that had attacked him are some of those on sides.
    EXPECT_LE(line.provoked, line.onSides);
    EXPECT_GT(line.provoked, 0);
    const std::string json = soakJson(o, Strengths[4], line);
    for (const char* key : {"\"player_every\": 12", "\"personality\": \"mixed\"", "\"opponent_attacks\": ",
                            "\"opponent_attacks_under_50\": ", "\"opponent_home_empty_share\": ",
                            "\"opponent_vs_opponent_attacks\": ", "\"max_general_ep\": ",
                            "\"opponent_unprovoked_share\": "})
        EXPECT_NE(json.find(key), std::string::npos) << key;
    // Klassisch's default is the plain opponent.
    o.rules = RulesKlassisch;
    EXPECT_NE(soakJson(o, Strengths[0], line).find("\"personality\": \"standard\""), std::string::npos);
}
