// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Order.h"

#include "simulation/Battle.h"
#include "simulation/Pace.h"
#include "simulation/PlayerActions.h"
#include "world/Rules.h"
#include "world/Settings.h"

#include <algorithm>

namespace stratagon {

Order Order::recruit(int side, std::string name)
{
    Order o;
    o.kind = OrderKind::Recruit, o.side = int16_t(side), o.name = std::move(name);
    return o;
}

Order Order::setTask(int side, int slot, GeneralStatus task)
{
    Order o;
    o.kind = OrderKind::SetTask, o.side = int16_t(side), o.slot = int16_t(slot), o.task = int16_t(task);
    return o;
}

Order Order::attack(int side, int slot, int target, AttackReason reason)
{
    Order o;
    o.kind = OrderKind::Attack, o.reason = reason, o.side = int16_t(side), o.slot = int16_t(slot);
    o.target = int16_t(target);
    return o;
}

Order Order::dismiss(int side, int slot)
{
    Order o;
    o.kind = OrderKind::Dismiss, o.side = int16_t(side), o.slot = int16_t(slot);
    return o;
}

Order Order::pace(int side, int step)
{
    Order o;
    o.kind = OrderKind::Pace, o.side = int16_t(side), o.task = int16_t(step);
    return o;
}

Order Order::settings(int side, int monthInterval, int aiDivisor)
{
    Order o;
    o.kind = OrderKind::Settings, o.side = int16_t(side), o.target = int16_t(monthInterval);
    o.task = int16_t(aiDivisor);
    return o;
}

namespace {

// The slots the set-up puts into training; a recruit beyond them would
// otherwise never train.
constexpr int SetUpTrainingSlots = 5;

bool recruitForOpponent(WorldState& w, int side, const std::string& name)
{
    if (w.generalCount[side] >= MaxGenerals)
        return false;
    const RuleTable& rules = rulesOf(w);
    const int slot = std::max(w.generalCount[side], 0) + 1;
    w.generalCount[side] = slot;
    w.generalEP[side][slot] = rules.opponentRecruitEP + rules.opponentRecruitBonus / std::max(w.aiDivisor, 1);
    w.generalName[side][slot] = name;
    // Slots 1..5 keep the status the set-up gave them: training.
    if (slot > SetUpTrainingSlots)
        w.generalStatus[side][slot] = Training;
    return true;
}

bool attackForOpponent(WorldState& w, const Order& order, TickReport& report)
{
    const int side = order.side;
    const int target = order.target;
    if (!validCountry(w, target) || !validSlot(order.slot) || w.countryOwner[target] == side)
        return false;
    if (order.slot > 0 && (order.slot > w.generalCount[side] || w.generalStatus[side][order.slot] == InBattle))
        return false;
    if (countryContested(w, target))
        return false;
    const int holder = w.countryOwner[target];
    if (!validSideIndex(holder))
        return false;
    return openBattle(w, target, side, order.slot, holder, bestGeneral(w, holder), report, order.reason) != 0;
}

}  // namespace

bool applyOrder(WorldState& world, const Order& order, TickReport& report)
{
    WorldState& w = world;
    const int side = order.side;
    if (!validSideIndex(side))
        return false;
    const bool player = side == w.side[0];
    switch (order.kind) {
    case OrderKind::Recruit:
        return player ? recruitGeneral(w, order.name) == RecruitOutcome::Recruited
                      : recruitForOpponent(w, side, order.name);
    case OrderKind::SetTask:
        if (player)
            return setGeneralTask(w, order.slot, GeneralStatus(order.task)) == TaskOutcome::Set;
        if (order.slot < 1 || order.slot > std::min(w.generalCount[side], MaxGenerals) ||
            w.generalStatus[side][order.slot] == InBattle || (order.task != Ready && order.task != Training))
            return false;
        w.generalStatus[side][order.slot] = order.task;
        return true;
    case OrderKind::Attack:
        return player ? playerAttack(w, order.target, order.slot, report) == AttackOutcome::Launched
                      : attackForOpponent(w, order, report);
    case OrderKind::Dismiss:
        return player && dismissGeneral(w, order.slot);
    case OrderKind::Pace:
        if (!player || order.task < 0 || order.task >= int(PaceSteps.size()))
            return false;
        w.paceStep = order.task;
        return true;
    case OrderKind::Settings:
        if (!player || order.target < ShortestMonth || order.target > LongestMonth ||
            order.task < MostActiveOpponent || order.task > LeastActiveOpponent)
            return false;
        w.monthInterval = order.target;
        w.aiDivisor = order.task;
        return true;
    }
    return false;
}

}  // namespace stratagon
