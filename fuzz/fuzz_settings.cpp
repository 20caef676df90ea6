// game.dat is edited by hand: any bytes must give two settings or a clean
// refusal that leaves the old ones.
#include "world/Settings.h"

#include <cstdlib>
#include <memory>
#include <string_view>

using namespace stratagon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static auto world = std::make_unique<WorldState>();
    world->monthInterval = 2500;
    world->aiDivisor = 16;
    const FileResult result =
        parseSettings(*world, std::string_view(reinterpret_cast<const char*>(data), size));
    if (!result.ok && (world->monthInterval != 2500 || world->aiDivisor != 16))
        std::abort();
    if (!result.ok && (result.errorNumber == 0 || result.description.empty()))
        std::abort();
    return 0;
}
