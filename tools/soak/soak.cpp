// SPDX-License-Identifier: GPL-3.0-or-later
// Plays whole games, the scripted player against the computer opponents at
// every strength, checking the invariants after every tick, and prints the
// balance figures: a Markdown table, or with --json one object per strength.
//
//   stratagon_soak [--games N] [--ticks T] [--map FILE] [--rules klassisch|zuegig]
//                  [--opponents K] [--seed S] [--player-every T]
//                  [--personality KEY] [--json]
//   stratagon_soak --list-personalities
//
// With --seed the games draw from a seeded source: the same seed gives the
// same lines.

#include "SoakRun.h"

#include <cstdio>
#include <memory>

using namespace stratagon;

int main(int argc, char* argv[])
{
    SoakOptions options;
    options.map = STRATAGON_ASSETS "/cards/Afrika.mgi";
    if (!parseSoakOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: stratagon_soak [--games N] [--ticks T] [--map FILE] [--rules klassisch|zuegig] "
                     "[--opponents 1..5] [--seed S] [--player-every T] [--personality KEY] [--json]\n"
                     "       stratagon_soak --list-personalities\n");
        return 2;
    }
    if (options.listPersonalities) {
        for (const std::string& key : personalityKeys())
            std::printf("%s\n", key.c_str());
        return 0;
    }

    if (!options.json) {
        std::printf("| Strength | Games | Won | Lost | Open at %d ticks | Median game months | Median battle months "
                    "| Longest battle months | Median longest plateau months (won games) |\n",
                    options.ticks);
        std::printf("|---|---|---|---|---|---|---|---|---|\n");
    }
    int broken = 0;
    for (std::size_t s = 0; s < Strengths.size(); ++s) {
        const Strength& strength = Strengths[s];
        // Each strength has its own stream, so one line can be replayed alone.
        std::unique_ptr<RandomSource> random;
        if (options.seed)
            random = std::make_unique<SeededRandom>(*options.seed * 1000003ULL + s);
        else
            random = std::make_unique<TimeSeededRandom>();
        const SoakLine line = runSoakLine(options, strength, *random);
        broken += line.broken;
        if (line.games == 0)
            return 2;
        if (options.json) {
            std::printf("%s\n", soakJson(options, strength, line).c_str());
        } else {
            std::printf("| %s | %d | %d | %d | %d | %.1f | %.2f | %.2f | %.1f |\n", strength.name, line.games,
                        line.won, line.lost, line.open, medianMonths(line.gameTicks), medianMonths(line.battleTicks),
                        longestMonths(line.battleTicks), medianMonths(line.plateauTicks));
        }
        std::fflush(stdout);
    }
    return broken ? 1 : 0;
}
