// SPDX-License-Identifier: GPL-3.0-or-later
// Plays whole games, the scripted player against the computer opponents at
// every strength, checking the invariants after every tick, and prints the
// balance figures: a Markdown table, or with --json one object per strength.
//
//   stratagon_soak [--games N] [--ticks T] [--map FILE] [--rules klassisch|zuegig]
//                  [--opponents K] [--seed S] [--json]
//
// With --seed the games draw from a seeded source: the same seed gives the
// same lines.

#include "ScriptedPlayer.h"

#include "simulation/Clock.h"
#include "simulation/Setup.h"
#include "world/MapLoader.h"
#include "world/Rules.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace stratagon;

namespace {

struct Options {
    int games = 20;
    int ticks = 48 * 300;
    std::string map = STRATAGON_ASSETS "/cards/Afrika.mgi";
    RuleSet rules = RulesKlassisch;
    int opponents = 1;
    std::optional<unsigned long long> seed;
    bool json = false;
};

struct Tally {
    int games = 0, won = 0, lost = 0, open = 0;
    std::vector<int> gameTicks;     // decided games
    std::vector<int> wonTicks;      // won games
    std::vector<int> plateauTicks;  // won games: the longest stretch without growth
    std::vector<int> battleTicks;   // every battle that ended
};

double median(std::vector<int> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

double months(double ticks)
{
    return ticks / 4.0;
}

bool parse(int argc, char* argv[], Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--json")
            o.json = true;
        else if (arg == "--games" && hasValue)
            o.games = std::atoi(argv[++i]);
        else if (arg == "--ticks" && hasValue)
            o.ticks = std::atoi(argv[++i]);
        else if (arg == "--map" && hasValue)
            o.map = argv[++i];
        else if (arg == "--opponents" && hasValue)
            o.opponents = std::atoi(argv[++i]);
        else if (arg == "--seed" && hasValue)
            o.seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--rules" && hasValue) {
            const std::string key = argv[++i];
            if (key != "klassisch" && key != "zuegig")
                return false;
            o.rules = ruleSetFromKey(key);
        } else
            return false;
    }
    return o.games > 0 && o.ticks > 0 && o.opponents >= 1 && o.opponents <= 5;
}

int heldBy(const WorldState& w, int side)
{
    return static_cast<int>(std::count(&w.countryOwner[1], &w.countryOwner[1] + w.countryCount, side));
}

}  // namespace

int main(int argc, char* argv[])
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: stratagon_soak [--games N] [--ticks T] [--map FILE] [--rules klassisch|zuegig] "
                     "[--opponents 1..5] [--seed S] [--json]\n");
        return 2;
    }

    struct Strength {
        const char* name;
        int divisor;
    };
    const Strength strengths[] = {
        {"Sehr Leicht", 256}, {"Leicht", 64}, {"Mittel", 16}, {"Schwer", 4}, {"Irrsinnig", 1}};

    const std::string mapName = std::filesystem::path(options.map).stem().string();
    const std::string rulesKey(ruleTable(options.rules).key);
    auto world = std::make_unique<WorldState>();

    if (!options.json) {
        std::printf("| Strength | Games | Won | Lost | Open at %d ticks | Median game months | Median battle months "
                    "| Longest battle months | Median longest plateau months (won games) |\n",
                    options.ticks);
        std::printf("|---|---|---|---|---|---|---|---|---|\n");
    }
    int broken = 0;
    for (std::size_t s = 0; s < std::size(strengths); ++s) {
        const Strength& strength = strengths[s];
        // Each strength has its own stream, so one line can be replayed alone.
        std::unique_ptr<RandomSource> random;
        if (options.seed)
            random = std::make_unique<SeededRandom>(*options.seed * 1000003ULL + s);
        else
            random = std::make_unique<TimeSeededRandom>();
        Tally tally;
        for (int g = 0; g < options.games; ++g) {
            *world = WorldState{};
            world->monthInterval = 2500;
            world->aiDivisor = strength.divisor;
            world->ruleSet = options.rules;
            if (!loadMap(*world, options.map).ok) {
                std::fprintf(stderr, "cannot load %s\n", options.map.c_str());
                return 2;
            }
            world->side[0] = defaultSide(*world);
            if (!startGame(*world, *random, options.map, options.opponents)) {
                std::fprintf(stderr, "set-up failed\n");
                return 2;
            }
            ScriptedPlayer player;
            int tick = 0;
            int held = heldBy(*world, world->side[0]);
            int lastGrowth = 0, plateau = 0;
            std::map<int, int> running;  // country -> ticks fought before this tick
            while (world->playing && tick < options.ticks) {
                player.act(*world);
                running.clear();
                for (int b = 1; b <= world->battleCount; ++b)
                    running[world->battles[b].country] = world->battles[b].ticks;
                const TickReport report = clockTick(*world, *random);
                ++tick;
                // A country is fought over in one battle at a time, and a
                // battle opened in this tick has not stepped yet.
                for (const Happening& h : report.happenings)
                    if (h.kind == Happening::Kind::BattleEnded)
                        tally.battleTicks.push_back(running.at(h.battle.country) + 1);
                const int nowHeld = heldBy(*world, world->side[0]);
                if (nowHeld > held) {
                    plateau = std::max(plateau, tick - lastGrowth);
                    lastGrowth = tick;
                }
                held = nowHeld;
                std::string fault = checkInvariants(*world);
                for (int b = 1; b <= world->battleCount && fault.empty(); ++b)
                    if (world->battles[b].ticks >= ruleTable(options.rules).battleTickLimit)
                        fault = "battle " + std::to_string(b) + " past the tick limit";
                if (!fault.empty()) {
                    std::fprintf(stderr, "%s, game %d, tick %d: %s\n", strength.name, g, tick, fault.c_str());
                    ++broken;
                    break;
                }
            }
            ++tally.games;
            if (world->playing) {
                ++tally.open;
                continue;
            }
            tally.gameTicks.push_back(tick);
            if (heldBy(*world, world->side[0]) > 0) {
                ++tally.won;
                tally.wonTicks.push_back(tick);
                tally.plateauTicks.push_back(std::max(plateau, tick - lastGrowth));
            } else {
                ++tally.lost;
            }
        }
        const int longest =
            tally.battleTicks.empty() ? 0 : *std::max_element(tally.battleTicks.begin(), tally.battleTicks.end());
        if (options.json)
            std::printf("{\"map\": \"%s\", \"rules\": \"%s\", \"strength\": \"%s\", \"opponents\": %d, \"ticks\": %d, "
                        "\"games\": %d, \"won\": %d, \"lost\": %d, \"open\": %d, \"median_game_months\": %.1f, "
                        "\"median_won_game_months\": %.1f, \"median_battle_months\": %.2f, "
                        "\"max_battle_months\": %.2f, \"battles\": %zu, \"median_longest_plateau_months\": %.1f}\n",
                        mapName.c_str(), rulesKey.c_str(), strength.name, options.opponents, options.ticks,
                        tally.games, tally.won, tally.lost, tally.open, months(median(tally.gameTicks)),
                        months(median(tally.wonTicks)), months(median(tally.battleTicks)), months(longest),
                        tally.battleTicks.size(), months(median(tally.plateauTicks)));
        else
            std::printf("| %s | %d | %d | %d | %d | %.1f | %.2f | %.2f | %.1f |\n", strength.name, tally.games,
                        tally.won, tally.lost, tally.open, months(median(tally.gameTicks)),
                        months(median(tally.battleTicks)), months(longest), months(median(tally.plateauTicks)));
        std::fflush(stdout);
    }
    return broken ? 1 : 0;
}
