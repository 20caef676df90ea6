// Map files come from anyone: any bytes must load within the tables or be
// refused with the world exactly as it was.
#include "world/MapLoader.h"

#include <cstdlib>
#include <memory>
#include <string_view>

using namespace stratagon;

namespace {

bool withinTables(const WorldState& w)
{
    if (w.countryCount < 1 || w.countryCount > MaxCountries)
        return false;
    if (w.gridColumns < 1 || w.gridColumns > MaxGridSize || w.gridRows < 1 || w.gridRows > MaxGridSize)
        return false;
    for (int i = 1; i <= w.countryCount; ++i) {
        if (w.generalCount[i] < 0 || w.generalCount[i] > MaxGenerals)
            return false;
        if (w.neighbourCount[i] < 0 || w.neighbourCount[i] > MaxNeighbours)
            return false;
        if (w.countryOwner[i] != i)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // One world across inputs, so that a load on top of an earlier map is
    // exercised too.
    static auto world = std::make_unique<WorldState>();
    static auto before = std::make_unique<WorldState>();
    *before = *world;
    const MapLoadResult result =
        loadMapFromBytes(*world, std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.mgi");
    if (result.ok) {
        if (!withinTables(*world))
            std::abort();
    } else if (!(*world == *before) || result.message.empty()) {
        std::abort();
    }
    return 0;
}
