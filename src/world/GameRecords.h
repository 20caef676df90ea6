// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a game keeps for its summary: how many countries each side held in
// every game month, and the player's own counts. One month is 16 bytes, so a
// game of a hundred years keeps about 19 KB.

#include <array>
#include <cstdint>
#include <vector>

namespace stratagon {

constexpr int RecordedSides = 10;  // the side table's places 0..9
// The reasons a computer opponent gives for an attack (simulation/Order.h).
constexpr int AttackReasonCount = 7;

struct GameDate {
    int32_t year = 0;
    int32_t month = 0;  // 1..12
    bool operator==(const GameDate&) const = default;
};

// The countries held at the end of one game month (or now, for the month
// still running): by each side in play, by its place in the side table, and
// by no side in play.
struct MonthSample {
    int32_t year = 0;
    uint8_t month = 0;
    uint8_t passive = 0;
    std::array<uint8_t, RecordedSides> held{};
    bool operator==(const MonthSample&) const = default;
};

struct GameRecords {
    std::vector<MonthSample> months;  // consecutive, from the first month of the game
    int32_t battlesOpened = 0;        // by the player
    int32_t battlesWon = 0;           // every battle he fought, attacking or defending
    int32_t battlesLost = 0;
    int32_t attacksSuffered = 0;      // opened against him by a computer opponent
    // Every attack the computer opponents opened, against anyone, by its reason
    // (simulation/TickReport.h: AttackReason).
    std::array<int32_t, AttackReasonCount> opponentStrikes{};
    int32_t countriesTaken = 0;
    int32_t countriesLost = 0;
    int32_t generalsRecruited = 0;
    int32_t generalsDismissed = 0;
    int32_t highestRank = -1;         // index into RankLadder; -1 before any general
    GameDate highestRankDate;
    int32_t largestEmpire = 0;
    GameDate largestEmpireDate;
    int64_t playedMs = 0;             // ticks run, each one clock period at its pace
    // The player's own time: how long the game window was open, pauses and
    // windows over it included. Measured by the window, not by the rules.
    int64_t sessionMs = 0;

    bool operator==(const GameRecords&) const = default;
};

}  // namespace stratagon
