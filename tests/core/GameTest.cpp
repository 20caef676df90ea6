// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games without a window: the set-up, games played to their end with
// every invariant checked after each tick and their story adding up, and
// seeded games that must play exactly as they always have.

#include "simulation/EndOfGame.h"
#include "simulation/Pace.h"
#include "simulation/PlayerActions.h"
#include "simulation/Records.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// A decided game: one tick said so, with the box for the final position.
void expectEnded(const NewGame& game, const TickReport& last)
{
    const bool won = game.held() == game.w->countryCount;
    EXPECT_TRUE(won || game.held() == 0) << game.held();
    EXPECT_EQ(
        row(game.w->playing, game.decided, int(last.outcome), germanText(endMessage(*game.w, last.outcome).title)),
        row(false, 1, int(won ? GameOutcome::Won : GameOutcome::Lost), won ? "Gewonnen!" : "Verloren!"));
}

// The game's story agrees with the board: every country counted once a
// month, the months consecutive, the conquests adding up to what he holds.
void expectStoryAddsUp(const NewGame& game)
{
    const WorldState& w = *game.w;
    const GameRecords& r = w.records;
    ASSERT_FALSE(r.months.empty());
    for (std::size_t i = 0; i < r.months.size(); ++i) {
        const MonthSample& m = r.months[i];
        EXPECT_EQ(row(m.held[0] + m.held[1] + m.passive, (m.year - 2000) * 12 + m.month - 1), row(w.countryCount, i));
    }
    const int held = r.months.back().held[0];
    EXPECT_EQ(row(held, 1 + r.countriesTaken - r.countriesLost, r.playedMs, recordedMonths(r)),
              row(game.held(), held, int64_t{game.ticks} * tickPeriodMs(w), r.months.size() - 1));
    EXPECT_GE(r.largestEmpire, held);
    EXPECT_LE(r.battlesWon + r.battlesLost, r.battlesOpened + r.attacksSuffered);
    EXPECT_EQ(r.battlesOpened, game.player.attacksLaunched());
}

}  // namespace

TEST(WholeGame, GamesOnTheSmallAndTheShippedMapKeepEveryInvariantAndEndProperly)
{
    // Idle players lose (the small map has an island nobody reaches); the
    // scripted player attacks on the shipped map, and at the hardest setting
    // some game is decided within 60 years.
    int decided = 0;
    for (int seed = 1; seed <= 20; ++seed) {
        const bool shipped = seed > 4, scripted = seed > 5;
        NewGame game(shipped ? Afrika : STRATAGON_FIXTURES "/small.mgi", seed, 1, 1);
        SCOPED_TRACE(row(game.map, seed));
        ASSERT_TRUE(game.setup);
        const TickReport last = game.play(scripted ? 48 * 60 : 200000, scripted);
        EXPECT_TRUE(!scripted || game.player.attacksLaunched() > 0);
        expectStoryAddsUp(game);
        if (!scripted || !game.w->playing) {
            decided += scripted;
            expectEnded(game, last);
            EXPECT_TRUE(scripted || game.held() == 0);
        }
    }
    EXPECT_GT(decided, 0);
}

// Seeded games of the scripted player against two opponents, as the game
// has always played them: when one of these figures changes, the rules did.
// No battle outlasts its rules' limit.
TEST(WholeGame, SeededGamesPlayAsTheyAlwaysHave)
{
    const struct {
        RuleSet rules;
        int aiDivisor;
        unsigned long long seed;
        const char* figures;  // ticks|held|year|month|opened|won|lost|suffered|taken|lost countries|messages
        const char* lastMessage;
    } cases[] = {
        {RulesKlassisch, 1, 4, "464|0|2009|9|67|67|66|68|64|65|200", "Verloren: Ägypten hat dir Lesotho abgenommen."},
        // Zügig's opponents have characters and the rules answer giants and
        // endless games: the player takes Ägypten's home and with it his land.
        {RulesZuegig, 16, 1, "397|55|2008|4|87|83|34|39|80|26|200",
         "Du hast Nigeria geschlagen: all sein Land gehört jetzt dir."},
    };
    for (const auto& c : cases) {
        NewGame game(Afrika, c.seed, 2, c.aiDivisor, c.rules);
        game.w->monthInterval = 416;
        ASSERT_TRUE(game.setup);
        int longest = 0;
        TickReport last;
        while (game.w->playing && game.ticks < 48 * 150) {
            last = game.play(1);
            for (int k = 1; k <= game.w->battleCount; ++k)
                longest = std::max(longest, game.w->battles[k].ticks);
        }
        EXPECT_LT(longest, ruleTable(c.rules).battleTickLimit);
        const WorldState& w = *game.w;
        const GameRecords& r = w.records;
        EXPECT_EQ(row(game.ticks, game.held(), w.year, w.month, r.battlesOpened, r.battlesWon, r.battlesLost,
                      r.attacksSuffered, r.countriesTaken, r.countriesLost, w.events.size()),
                  c.figures);
        EXPECT_EQ(germanText(w.events.back().text), c.lastMessage);
        expectEnded(game, last);
    }
}

// The set-up leaves a fresh game: the first month, the sides placed and
// painted, every general of the first five slots in training.
TEST(Setup, ANewGameStartsFreshAndReportsWhatIsMissing)
{
    NewGame s;
    ASSERT_TRUE(s.setup);
    EXPECT_TRUE(s.setup.messages.empty());
    const WorldState& w = *s.w;  // the set-up's tick saw no opponent yet: no recruit for Malawi
    EXPECT_EQ(row(w.playing, w.battleCount, w.side[0], w.year, w.month, w.tickCount, w.side[1], w.sideMax,
                  describeCountry(w, w.side[0]).holder, describeCountry(w, w.side[0]).land, w.generalStatus[1][6],
                  w.generalCount[9], w.countryCount),
              "1|0|1|2000|1|0|9|1|Südafrika|Südafrika|0|1|12");
    std::string painted;
    for (const CountryPaint& p : mapPaints(w, ColourScheme::Standard))
        painted += row(p.x, p.y, p.style == sideStyle(ColourScheme::Standard, 0)) + " ";
    EXPECT_EQ(painted, "120|340|1 210|40|0 ");
    for (int i = 1; i <= 12; ++i)  // slots 1 to 5 in training
        EXPECT_EQ(
            row(w.countryOwner[i], w.countryKind[i], std::count(&w.generalStatus[i][1], &w.generalStatus[i][6], 1)),
            row(i,
                i == 1   ? KindPlayer
                : i == 9 ? KindOpponent
                         : KindPassive,
                5));

    // A map the loader refuses is reported and makes no game: the tables
    // of the game before stay as they were, only no longer playing.
    s.w->countryOwner[4] = 1;
    const WorldState before = *s.w;
    const SetupResult rejected = startGame(*s.w, s.random, STRATAGON_FIXTURES "/fehlt.mgi");
    ASSERT_EQ(rejected.messages.size(), 1u);
    EXPECT_EQ(row(rejected.started, germanText(rejected.messages[0].title), int(rejected.outcome), s.w->playing),
              row(false, "Fehler !", int(GameOutcome::Running), false));
    WorldState stopped = before;
    stopped.playing = false;
    EXPECT_TRUE(*s.w == stopped);

    // Not on the map: lost at once, the end told by the outcome, not among the messages.
    NewGame lost(STRATAGON_FIXTURES "/small.mgi", 11, 1, 16, RulesKlassisch, 40);
    EXPECT_EQ(row(lost.setup.started, lost.w->playing, int(lost.setup.outcome), lost.setup.messages.size()),
              row(false, false, int(GameOutcome::Lost), 0));
}

TEST(Setup, StartingStrengthScalesOnlyPassiveGeneralsAndRecruitsTakeTheTablesEP)
{
    for (const RuleSet set : {RulesKlassisch, RulesZuegig}) {
        const RuleTable& rules = ruleTable(set);
        auto w = chainWorld(3);
        w->ruleSet = set, w->countryKind[2] = KindOpponent;
        for (int side = 1; side <= 3; ++side)
            addGeneral(*w, side, "G", 5), addGeneral(*w, side, "H", 1);
        applyStartingStrength(*w);
        const auto scaled = [&](int ep) { return (ep * rules.passiveStartPercent + 99) / 100; };
        EXPECT_EQ(row(w->generalEP[1][1], w->generalEP[2][1], w->generalEP[3][1], w->generalEP[3][2]),
                  row(5, 5, scaled(5), 1))
            << rules.key;
        ASSERT_EQ(recruitGeneral(*w, "Neu"), RecruitOutcome::Recruited);
        EXPECT_EQ(w->generalEP[1][3], rules.playerRecruitEP);
    }
    EXPECT_EQ(row(ruleSetFromKey("zuegig"), ruleSetFromKey("klassisch"), ruleSetFromKey("Zügig"), ruleSetFromKey("")),
              "1|0|0|0");
}
