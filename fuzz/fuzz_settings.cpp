// SPDX-License-Identifier: GPL-3.0-or-later
// game.dat is edited by hand: any bytes must give two settings the window
// could give, or a clean refusal that leaves the old ones; and what the
// writer writes reads back as it was.
#include "world/Settings.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

using namespace stratagon;

namespace {

bool inRange(const WorldState& w)
{
    return w.monthInterval >= ShortestMonth && w.monthInterval <= LongestMonth &&
           w.aiDivisor >= MostActiveOpponent && w.aiDivisor <= LeastActiveOpponent;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static auto world = std::make_unique<WorldState>();
    world->monthInterval = 2500;
    world->aiDivisor = 16;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const FileResult result = parseSettings(*world, text);
    if (!result.ok && (world->monthInterval != 2500 || world->aiDivisor != 16))
        std::abort();
    if (!result.ok && (result.errorNumber == 0 || result.description.empty()))
        std::abort();
    // Range: whatever is accepted is a value the window offers or lies
    // between two of them.
    if (result.ok && !inRange(*world))
        std::abort();

    // Round trip: the writer's text for what was read gives the same two
    // values back, with nothing to say about them.
    if (result.ok) {
        const int32_t month = world->monthInterval, divisor = world->aiDivisor;
        const FileResult again = parseSettings(*world, settingsFileText(month, divisor));
        if (!again.ok || !again.notice.empty() || world->monthInterval != month || world->aiDivisor != divisor)
            std::abort();
    }

    // Any two 32-bit values: written and read, they come back as the nearest
    // values in range, and the notice is there exactly when one moved.
    if (size >= 8) {
        int32_t values[2];
        std::memcpy(values, data, sizeof values);
        const FileResult back = parseSettings(*world, settingsFileText(values[0], values[1]));
        const int32_t month = values[0] < ShortestMonth ? ShortestMonth
                              : values[0] > LongestMonth ? LongestMonth
                                                         : values[0];
        const int32_t divisor = values[1] < MostActiveOpponent    ? MostActiveOpponent
                                : values[1] > LeastActiveOpponent ? LeastActiveOpponent
                                                                  : values[1];
        if (!back.ok || world->monthInterval != month || world->aiDivisor != divisor ||
            back.notice.empty() != (month == values[0] && divisor == values[1]))
            std::abort();
    }
    return 0;
}
