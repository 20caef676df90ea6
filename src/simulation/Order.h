// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An order of a side, as plain data: what a computer opponent decides on
// its turn, and what the player does through the windows. The tick applies
// the opponents' orders one by one as they are given, so each decision sees
// the world the earlier ones left.

#include "simulation/TickReport.h"
#include "world/GameRecords.h"
#include "world/WorldState.h"

#include <cstdint>
#include <string>

namespace stratagon {

enum class OrderKind : int8_t { Recruit, SetTask, Attack, Dismiss, Pace, Settings };
constexpr int OrderKindCount = static_cast<int>(OrderKind::Settings) + 1;

static_assert(static_cast<int>(AttackReason::LeaderWeakPoint) + 1 == AttackReasonCount);

struct Order {
    OrderKind kind = OrderKind::Recruit;
    AttackReason reason = AttackReason::None;  // Attack
    int16_t side = 0;                          // who gives it: his home country
    int16_t slot = 0;                          // the general: SetTask, Attack, Dismiss
    int16_t target = 0;                        // Attack: the country; Settings: the month in ms
    int16_t task = 0;                          // SetTask: a GeneralStatus; Pace: the pace step;
                                               // Settings: the opponents' divisor
    std::string name;                          // Recruit: the new general's name

    static Order recruit(int side, std::string name);
    static Order setTask(int side, int slot, GeneralStatus task);
    static Order attack(int side, int slot, int target, AttackReason reason);
    static Order dismiss(int side, int slot);
    static Order pace(int side, int step);
    // The player's settings changed during the game (game.dat's two numbers).
    static Order settings(int side, int monthInterval, int aiDivisor);

    bool operator==(const Order&) const = default;
};

// Carries out an order of side `order.side` and tells the report what came
// of it; false when it was not possible (a general in battle, a country
// already fought over, a full table, a side or slot outside the tables). An
// opponent's recruit gets the rule set's EP and starts in training; his
// attack is met by the holder's best free general.
bool applyOrder(WorldState& world, const Order& order, TickReport& report);

}  // namespace stratagon
