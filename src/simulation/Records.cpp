// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Records.h"

#include "simulation/Pace.h"
#include "world/Ranks.h"

#include <algorithm>

namespace stratagon {

namespace {

GameDate today(const WorldState& w)
{
    return {w.year, w.month};
}

int sideCount(const WorldState& w)
{
    return std::clamp(w.sideMax, 0, RecordedSides - 1);
}

void countHolders(const WorldState& w, MonthSample& sample)
{
    sample.held.fill(0);
    sample.passive = 0;
    for (int i = 1; i <= std::clamp(w.countryCount, 0, MaxCountries); ++i) {
        const int owner = w.countryOwner[i];
        int holder = -1;
        for (int s = 0; s <= sideCount(w) && holder < 0; ++s)
            if (w.side[s] == owner)
                holder = s;
        ++(holder >= 0 ? sample.held[static_cast<std::size_t>(holder)] : sample.passive);
    }
}

void notePeaks(WorldState& w, const MonthSample& sample)
{
    GameRecords& r = w.records;
    if (sample.held[0] > r.largestEmpire) {
        r.largestEmpire = sample.held[0];
        r.largestEmpireDate = today(w);
    }
    const int p = w.side[0];
    if (!validSideIndex(p))
        return;
    for (int j = 1; j <= std::clamp(w.generalCount[p], 0, MaxGenerals); ++j) {
        const int level = rankLevel(w.generalEP[p][j]);
        if (level > r.highestRank) {
            r.highestRank = level;
            r.highestRankDate = today(w);
        }
    }
}

}  // namespace

void startRecords(WorldState& world)
{
    world.records = GameRecords{};
    // A month's worth of room; the vector grows by doubling from there.
    world.records.months.reserve(12);
    recordTick(world);
    world.records.playedMs = 0;
    // A battle already under way when the story starts ends in it, so it
    // counts as opened in it too.
    for (int k = 1; k <= std::clamp(world.battleCount, 0, MaxBattles); ++k) {
        BattleNews news;
        news.attacker = world.battles[k].attacker;
        news.defender = world.battles[k].defender;
        recordBattleOpened(world, news);
    }
}

void recordTick(WorldState& world)
{
    GameRecords& r = world.records;
    r.playedMs += tickPeriodMs(world);
    const auto month = static_cast<uint8_t>(std::clamp(world.month, 0, 255));
    if (r.months.empty() || r.months.back().year != world.year || r.months.back().month != month)
        r.months.push_back({world.year, month, 0, {}});
    countHolders(world, r.months.back());
    notePeaks(world, r.months.back());
}

void recordBattleOpened(WorldState& world, const BattleNews& battle)
{
    const int p = world.side[0];
    if (battle.attacker != p && battle.reason != AttackReason::None)
        ++world.records.opponentStrikes[static_cast<std::size_t>(
            std::clamp(static_cast<int>(battle.reason), 0, AttackReasonCount - 1))];
    if (battle.attacker == p)
        ++world.records.battlesOpened;
    else if (battle.defender == p)
        ++world.records.attacksSuffered;
}

void recordBattleEnded(WorldState& world, const BattleNews& battle)
{
    GameRecords& r = world.records;
    const int p = world.side[0];
    if (battle.attacker != p && battle.defender != p)
        return;
    const int winner = battle.winner;
    ++(winner == p ? r.battlesWon : r.battlesLost);
    const int previous = validSideIndex(battle.country) ? battle.formerHolder : winner;
    if (winner == p && previous != p)
        ++r.countriesTaken;
    else if (previous == p && winner != p)
        ++r.countriesLost;
}

void recordSideBeaten(WorldState& world, const BeatenNews& beaten)
{
    // His home came with the battle; the rest of his land with his defeat.
    if (beaten.by == world.side[0])
        world.records.countriesTaken += std::max(beaten.countries - 1, 0);
}

int recordedMonths(const GameRecords& records)
{
    if (records.months.empty())
        return 0;
    const MonthSample& first = records.months.front();
    const MonthSample& last = records.months.back();
    return (last.year - first.year) * 12 + (last.month - first.month);
}

std::size_t recordsBytes(const GameRecords& records)
{
    return sizeof(GameRecords) + records.months.capacity() * sizeof(MonthSample);
}

}  // namespace stratagon
