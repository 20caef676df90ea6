// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Pace.h"

#include <algorithm>
#include <cstdint>

namespace stratagon {

const std::array<PaceStep, 4> PaceSteps = {{
    {1, 2, "½×"},
    {1, 1, "1×"},
    {2, 1, "2×"},
    {4, 1, "4×"},
}};

namespace {

int clampedStep(const WorldState& world)
{
    return std::clamp<int32_t>(world.paceStep, 0, static_cast<int32_t>(PaceSteps.size()) - 1);
}

}  // namespace

const PaceStep& currentPace(const WorldState& world)
{
    return PaceSteps[static_cast<std::size_t>(clampedStep(world))];
}

int tickPeriodMs(const WorldState& world)
{
    const PaceStep& pace = currentPace(world);
    const int64_t period = int64_t{world.monthInterval / 4} * pace.denominator / pace.numerator;
    return static_cast<int>(std::clamp<int64_t>(period, 1, INT32_MAX));
}

bool slowerPace(WorldState& world)
{
    const int step = clampedStep(world);
    world.paceStep = std::max(step - 1, 0);
    return world.paceStep != step;
}

bool fasterPace(WorldState& world)
{
    const int step = clampedStep(world);
    world.paceStep = std::min(step + 1, static_cast<int>(PaceSteps.size()) - 1);
    return world.paceStep != step;
}

}  // namespace stratagon
