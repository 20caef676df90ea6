// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoakRun.h"

#include "ScriptedPlayer.h"

#include "simulation/Clock.h"
#include "simulation/Odds.h"
#include "simulation/Setup.h"
#include "world/MapLoader.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

namespace stratagon {

const std::array<Strength, 5> Strengths = {
    {{"Sehr Leicht", 256}, {"Leicht", 64}, {"Mittel", 16}, {"Schwer", 4}, {"Irrsinnig", 1}}};

namespace {

bool number(const char* text, int least, int most, int& value)
{
    char* end = nullptr;
    const long n = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || n < least || n > most)
        return false;
    value = static_cast<int>(n);
    return true;
}

int heldBy(const WorldState& w, int side)
{
    return static_cast<int>(std::count(&w.countryOwner[1], &w.countryOwner[1] + w.countryCount, side));
}

// The side in play, other than v, that holds the most countries.
int leaderBesides(const WorldState& w, int v)
{
    int leader = 0, most = 0;
    for (int s = 0; s <= w.sideMax; ++s)
        if (const int side = w.side[static_cast<std::size_t>(s)]; side != v && heldBy(w, side) > most)
            leader = side, most = heldBy(w, side);
    return leader;
}

// Which side last fought which as the attacker, by tick: one game's memory.
using LastAttacks = std::map<std::pair<int, int>, int>;

void noteAttacks(const WorldState& w, int tick, LastAttacks& last)
{
    for (int k = 1; k <= w.battleCount; ++k)
        last[{w.battles[k].attacker, w.battles[k].defender}] = tick;
}

// What the opponents did in the tick just run, and how they stand after it.
void noteOpponents(const WorldState& w, const TickReport& report, int tick, const LastAttacks& last, SoakLine& line)
{
    const RuleTable& rules = rulesOf(w);
    for (const Happening& h : report.happenings) {
        const BattleNews& b = h.battle;
        if (h.kind == Happening::Kind::BattleEnded && b.winner != b.formerHolder &&
            w.countryKind[b.formerHolder] == KindOpponent && b.formerHolder != w.side[0])
            ++line.opponentLosses;
        if (h.kind != Happening::Kind::BattleOpened || b.attacker == w.side[0] || b.reason == AttackReason::None)
            continue;
        const double chance = attackChance(rules, b.attackerEP, b.defenderEP);
        ++line.opponentAttacks;
        line.attacksUnder50 += chance < 0.5;
        line.chanceSum += chance;
        line.opponentVsOpponent += w.countryKind[b.defender] == KindOpponent && b.defender != w.side[0];
        line.onLeader += b.defender == leaderBesides(w, b.attacker);
        line.retakes += w.previousOwner[b.country] == b.attacker;
        int contacts = 0;
        for (int j = 1; j <= w.neighbourCount[b.country]; ++j)
            if (const int n = neighbourIndex(w, b.country, j); n > 0)
                contacts += w.countryOwner[n] == b.attacker;
        line.compact += contacts >= 2;
        line.onNeutral += w.countryKind[b.defender] == KindPassive;
        if (w.countryKind[b.defender] != KindPassive || b.defender == w.side[0]) {
            ++line.onSides;
            bool answer = w.previousOwner[b.country] == b.attacker;
            for (int k = 1; k <= w.battleCount && !answer; ++k)
                answer = w.battles[k].attacker == b.defender && w.battles[k].defender == b.attacker;
            line.retaliations += answer;
            const auto attacked = last.find({b.defender, b.attacker});
            line.provoked += attacked != last.end() && tick - attacked->second <= 48;
        }
        ++line.reasons[static_cast<std::size_t>(b.reason)];
    }
    for (int s = 1; s <= w.sideMax; ++s) {
        const int v = w.side[static_cast<std::size_t>(s)];
        if (w.countryKind[v] != KindOpponent || heldBy(w, v) == 0)
            continue;
        ++line.opponentTicks;
        int free = 0;
        for (int j = 1; j <= w.generalCount[v]; ++j)
            free += w.generalStatus[v][j] != InBattle;
        line.homeEmptyTicks += free == 0;
        line.freeSum += free;
    }
    for (int c = 1; c <= w.countryCount; ++c)
        for (int j = 1; j <= w.generalCount[c]; ++j)
            line.maxGeneralEP = std::max(line.maxGeneralEP, w.generalEP[c][j]);
}

}  // namespace

double medianMonths(std::vector<int> ticks)
{
    if (ticks.empty())
        return 0;
    std::sort(ticks.begin(), ticks.end());
    const std::size_t n = ticks.size();
    return (n % 2 ? ticks[n / 2] : (ticks[n / 2 - 1] + ticks[n / 2]) / 2.0) / 4.0;
}

double longestMonths(const std::vector<int>& ticks)
{
    return ticks.empty() ? 0 : *std::max_element(ticks.begin(), ticks.end()) / 4.0;
}

std::vector<std::string> personalityKeys()
{
    std::vector<std::string> keys;
    for (int c = 0; c < CharacterCount; ++c)
        keys.emplace_back(characterInfo(c).key);
    keys.push_back(CharacterChoice::mix().key());
    return keys;
}

bool parseSoakOptions(int argc, const char* const argv[], SoakOptions& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--json") {
            o.json = true;
        } else if (arg == "--list-personalities") {
            o.listPersonalities = true;
        } else if (arg == "--games" && hasValue) {
            if (!number(argv[++i], 1, 1'000'000, o.games))
                return false;
        } else if (arg == "--ticks" && hasValue) {
            if (!number(argv[++i], 1, 100'000'000, o.ticks))
                return false;
        } else if (arg == "--opponents" && hasValue) {
            if (!number(argv[++i], 1, 5, o.opponents))
                return false;
        } else if (arg == "--player-every" && hasValue) {
            if (!number(argv[++i], 1, 1'000'000, o.playerEvery))
                return false;
        } else if (arg == "--map" && hasValue) {
            o.map = argv[++i];
        } else if (arg == "--seed" && hasValue) {
            o.seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--personality" && hasValue) {
            CharacterChoice choice;
            if (!CharacterChoice::fromKey(argv[++i], choice))
                return false;
            o.characters = choice;
        } else if (arg == "--rules" && hasValue) {
            const std::string key = argv[++i];
            if (key != "klassisch" && key != "zuegig")
                return false;
            o.rules = ruleSetFromKey(key);
        } else {
            return false;
        }
    }
    return true;
}

SoakLine runSoakLine(const SoakOptions& options, const Strength& strength, RandomSource& random)
{
    SoakLine line;
    const CharacterChoice characters = options.characters.value_or(defaultCharacterChoice(options.rules));
    auto world = std::make_unique<WorldState>();
    for (int g = 0; g < options.games; ++g) {
        *world = WorldState{};
        world->monthInterval = 2500;
        world->aiDivisor = strength.divisor;
        world->ruleSet = options.rules;
        if (!loadMap(*world, options.map).ok) {
            std::fprintf(stderr, "cannot load %s\n", options.map.c_str());
            ++line.broken;
            return line;
        }
        world->side[0] = defaultSide(*world);
        if (!startGame(*world, random, options.map, options.opponents, nullptr, &characters)) {
            std::fprintf(stderr, "set-up failed\n");
            ++line.broken;
            return line;
        }
        ScriptedPlayer player;
        int tick = 0;
        int held = heldBy(*world, world->side[0]);
        int lastGrowth = 0, plateau = 0;
        std::map<int, int> running;  // country -> ticks fought before this tick
        LastAttacks lastAttacks;
        while (world->playing && tick < options.ticks) {
            if (tick % options.playerEvery == 0)
                player.act(*world);
            running.clear();
            for (int b = 1; b <= world->battleCount; ++b)
                running[world->battles[b].country] = world->battles[b].ticks;
            noteAttacks(*world, tick, lastAttacks);
            const TickReport report = clockTick(*world, random);
            ++tick;
            // A country is fought over in one battle at a time, and a
            // battle opened in this tick has not stepped yet.
            for (const Happening& h : report.happenings)
                if (h.kind == Happening::Kind::BattleEnded)
                    line.battleTicks.push_back(running.at(h.battle.country) + 1);
            noteOpponents(*world, report, tick, lastAttacks, line);
            noteAttacks(*world, tick, lastAttacks);
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
                ++line.broken;
                break;
            }
        }
        ++line.games;
        if (world->playing) {
            ++line.open;
            continue;
        }
        line.gameTicks.push_back(tick);
        if (heldBy(*world, world->side[0]) > 0) {
            ++line.won;
            line.wonTicks.push_back(tick);
            line.plateauTicks.push_back(std::max(plateau, tick - lastGrowth));
        } else {
            ++line.lost;
        }
    }
    return line;
}

namespace {

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

double share(int64_t part, int64_t whole) { return whole > 0 ? static_cast<double>(part) / static_cast<double>(whole) : 0.0; }

}  // namespace

std::string soakJson(const SoakOptions& options, const Strength& strength, const SoakLine& line)
{
    const std::string personality = options.characters.value_or(defaultCharacterChoice(options.rules)).key();
    const auto quoted = [](const std::string& text) { return "\"" + text + "\""; };
    const double years = static_cast<double>(line.opponentTicks) / 48.0;
    std::string reasons;
    for (int k = 1; k < AttackReasonCount; ++k)
        reasons += (k > 1 ? ", " : "") + std::to_string(line.reasons[static_cast<std::size_t>(k)]);
    const std::vector<std::pair<const char*, std::string>> fields = {
        {"map", quoted(std::filesystem::path(options.map).stem().string())},
        {"rules", quoted(std::string(ruleTable(options.rules).key))},
        {"strength", quoted(strength.name)},
        {"opponents", std::to_string(options.opponents)},
        {"ticks", std::to_string(options.ticks)},
        {"games", std::to_string(line.games)},
        {"won", std::to_string(line.won)},
        {"lost", std::to_string(line.lost)},
        {"open", std::to_string(line.open)},
        {"median_game_months", fixed(medianMonths(line.gameTicks), 1)},
        {"median_won_game_months", fixed(medianMonths(line.wonTicks), 1)},
        {"median_battle_months", fixed(medianMonths(line.battleTicks), 2)},
        {"max_battle_months", fixed(longestMonths(line.battleTicks), 2)},
        {"battles", std::to_string(line.battleTicks.size())},
        {"median_longest_plateau_months", fixed(medianMonths(line.plateauTicks), 1)},
        {"player_every", std::to_string(options.playerEvery)},
        {"personality", quoted(personality)},
        {"opponent_attacks", std::to_string(line.opponentAttacks)},
        {"opponent_attacks_under_50", std::to_string(line.attacksUnder50)},
        {"opponent_home_empty_share", fixed(share(line.homeEmptyTicks, line.opponentTicks), 4)},
        {"opponent_vs_opponent_attacks", std::to_string(line.opponentVsOpponent)},
        {"max_general_ep", std::to_string(line.maxGeneralEP)},
        {"opponent_attacks_per_year", fixed(years > 0 ? static_cast<double>(line.opponentAttacks) / years : 0, 2)},
        {"opponent_mean_chance", fixed(line.opponentAttacks ? line.chanceSum / static_cast<double>(line.opponentAttacks) : 0, 3)},
        {"opponent_on_leader_share", fixed(share(line.onLeader, line.opponentAttacks), 3)},
        {"opponent_retake_share", fixed(share(line.retakes, line.opponentAttacks), 3)},
        {"opponent_retakes_per_loss", fixed(share(line.retakes, line.opponentLosses), 3)},
        {"opponent_compact_share", fixed(share(line.compact, line.opponentAttacks), 3)},
        {"opponent_neutral_share", fixed(share(line.onNeutral, line.opponentAttacks), 3)},
        {"opponent_losses_per_year", fixed(years > 0 ? static_cast<double>(line.opponentLosses) / years : 0, 2)},
        {"opponent_free_generals", fixed(share(line.freeSum, line.opponentTicks), 2)},
        {"opponent_retaliation_share", fixed(share(line.retaliations, line.onSides), 3)},
        {"opponent_sides_attacked", std::to_string(line.onSides)},
        {"opponent_unprovoked_share", fixed(share(line.onSides - line.provoked, line.onSides), 3)},
        {"opponent_reasons", "[" + reasons + "]"},
    };
    std::string text = "{";
    for (const auto& [key, value] : fields)
        text += (text.size() > 1 ? ", " : "") + quoted(key) + ": " + value;
    return text + "}";
}

}  // namespace stratagon
