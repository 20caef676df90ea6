// SPDX-License-Identifier: GPL-3.0-or-later
// The player's map click and attack: which country lies under a grid cell,
// whether a clicked country may be attacked, and opening the battle.

#include "simulation/PlayerActions.h"

#include "simulation/Battle.h"

#include <algorithm>

namespace stratagon {

int countryAtCell(const WorldState& world, int column, int row)
{
    // Beyond column or row 99 there is no grid: a click on no country.
    const std::string code = cellCode(world, column, row);
    if (code.empty())
        return 0;
    return codeToCountry(world, code);
}

bool nearestCellOf(const WorldState& world, int country, double cellX, double cellY, int& column, int& row)
{
    if (!validCountry(world, country) || world.countryCode[country].size() != 1)
        return false;
    const char code = world.countryCode[country][0];
    double best = -1;
    const int columns = std::clamp(world.gridColumns, 0, MaxGridSize);
    const int rows = std::clamp(world.gridRows, 0, MaxGridSize);
    for (int c = 1; c <= columns; ++c)
        for (int r = 1; r <= rows; ++r) {
            if (world.gridCell[c][r] != code)
                continue;
            const double dx = c - 0.5 - cellX;
            const double dy = r - 0.5 - cellY;
            if (best < 0 || dx * dx + dy * dy < best) {
                best = dx * dx + dy * dy;
                column = c;
                row = r;
            }
        }
    return best >= 0;
}

bool attackableCode(const WorldState& world, const std::string& code)
{
    // An empty code is no country; it would otherwise match every neighbour
    // name that names no country.
    if (code.empty())
        return false;
    const int player = world.side[0];

    bool borders = false;
    for (int k = 1; k <= world.countryCount && k <= MaxCountries && !borders; ++k) {
        if (world.countryOwner[k] != player)
            continue;
        const int neighbours = std::min(world.neighbourCount[k], MaxNeighbours);
        for (int j = 1; j <= neighbours; ++j) {
            const int n = neighbourIndex(world, k, j);
            if (n > 0 && world.countryCode[std::size_t(n)] == code) {
                borders = true;
                break;
            }
        }
    }
    if (!borders)
        return false;

    const int target = codeToCountry(world, code);
    if (target == 0 || world.countryOwner[target] == player)
        return false;

    // Only the country itself being fought over forbids an attack; being at
    // war with its holder does not, or a holder who attacks on every tick
    // could never lose his home country.
    return !countryContested(world, target);
}

bool generalReady(const WorldState& world, int side, int slot)
{
    if (!validSideIndex(side) || slot < 1 || slot > world.generalCount[side] || slot > MaxGenerals)
        return false;
    const int status = world.generalStatus[side][slot];
    return status == Ready || status == Training;
}

AttackOutcome launchAttack(WorldState& world, int target, int generalSlot)
{
    TickReport report;
    const AttackOutcome outcome = playerAttack(world, target, generalSlot, report);
    chronicle(world, report);
    return outcome;
}

AttackOutcome playerAttack(WorldState& world, int target, int generalSlot, TickReport& report)
{
    const int player = world.side[0];
    if (!generalReady(world, player, generalSlot))
        return AttackOutcome::NotReady;
    if (!validCountry(world, target))
        return AttackOutcome::NoTarget;
    if (countryContested(world, target))
        return AttackOutcome::CountryContested;
    if (world.battleCount >= PlayerAttackLimit)
        return AttackOutcome::TooManyBattles;

    const int defender = world.countryOwner[target];
    const int defenderGeneral = validSideIndex(defender) ? bestGeneral(world, defender) : 0;
    // Below the player's limit the table has room; a refusal here means the
    // target's holder is no side at all.
    if (openBattle(world, target, player, generalSlot, defender, defenderGeneral, report) == 0)
        return AttackOutcome::NoTarget;
    return AttackOutcome::Launched;
}

}  // namespace stratagon
