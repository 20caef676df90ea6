// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the player does, as plain operations: the windows gather the choice
// and show the outcome; a scripted player calls the same functions.

#include "simulation/TickReport.h"
#include "world/WorldState.h"

#include <string>

namespace stratagon {

// A click on grid cell (column, row): the country under it, 0 for none.
int countryAtCell(const WorldState& world, int column, int row);

// The grid cell of country k nearest to a point given in cells (column and
// row from 0, fractional); false, and column and row unchanged, when the
// country has no cell.
bool nearestCellOf(const WorldState& world, int country, double cellX, double cellY, int& column, int& row);

// The attack check of a map click in battle mode, on the code under the
// pointer: a neighbour of a country the player holds, not his own, not a
// country whose index is a side in a battle with the player.
bool attackableCode(const WorldState& world, const std::string& code);

enum class AttackOutcome { Launched, NotReady, CountryContested, TooManyBattles, NoTarget };

// "Land angreifen": general slot g of side(0) against the country the player
// clicked on the map (0 when his click found none). The battle goes into the
// game's story and messages at once.
AttackOutcome launchAttack(WorldState& world, int target, int generalSlot);
// The same, told only to the report.
AttackOutcome playerAttack(WorldState& world, int target, int generalSlot, TickReport& report);

// Ready for the deploy window: in training or ready.
bool generalReady(const WorldState& world, int side, int slot);

enum class RecruitOutcome { Recruited, RosterFull, NoName };
// The name is kept as typed, cut after MaxMapTextLength characters.
RecruitOutcome recruitGeneral(WorldState& world, const std::string& name);

// Removes slot k of side(0), moving the later generals down and keeping every
// battle entry on the general it started with.
bool dismissGeneral(WorldState& world, int slot);

enum class TaskOutcome { Set, InBattle, NoGeneral };
TaskOutcome setGeneralTask(WorldState& world, int slot, GeneralStatus task);

}  // namespace stratagon
