// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The saved game's records, field by field, with the range of their
// numbers (storage/JsonFields.h), and what the ranges alone cannot say. Read
// by the save itself and by the start of a game's trail in it.

#include "session/ViewState.h"
#include "simulation/Character.h"
#include "simulation/Guide.h"
#include "simulation/Pace.h"
#include "storage/JsonFields.h"
#include "storage/SaveGame.h"
#include "world/Rules.h"
#include "world/Settings.h"
#include "world/WorldState.h"

#include <QString>

namespace stratagon {

// The saved records, field by field.
namespace json {

template <>
struct Members<PlayerBattleEntry> {
    static constexpr std::array list = {
        FIELD(PlayerBattleEntry, country),
        FIELD(PlayerBattleEntry, attackerSide),
        FIELD(PlayerBattleEntry, attackerScore, Score),
        FIELD(PlayerBattleEntry, attackerGeneral),
        FIELD(PlayerBattleEntry, attackerEP),
        FIELD(PlayerBattleEntry, defenderSide),
        FIELD(PlayerBattleEntry, defenderScore, Score),
        FIELD(PlayerBattleEntry, defenderGeneral),
        FIELD(PlayerBattleEntry, defenderEP),
    };
};

// A message as the rules made it: its id and values, in no language. The
// context is empty for a message kept verbatim from an older save.
template <>
struct Members<TextArg> {
    static constexpr std::array list = {
        FIELD(TextArg, kind, Range{0, int(TextArg::Kind::Month)}),
        FIELD(TextArg, text, Any, Optional),
        FIELD(TextArg, number, Any, Optional),
    };
};

// No message of the game has more values than this.
constexpr qsizetype LongestArgs = 16;

template <>
struct Members<Text> {
    static constexpr std::array list = {
        FIELD(Text, context, Any, Optional),
        FIELD(Text, id, Range{.longest = LongestMessage}),
        FIELD(Text, args, Range{.longest = LongestArgs}, Optional),
    };
};

template <>
struct Members<GameEvent> {
    static constexpr std::array list = {
        FIELD(GameEvent, kind, Range{0, int(EventKind::OpponentAttack)}),
        FIELD(GameEvent, year, Year),
        FIELD(GameEvent, month, Range{0, 12}),
        FIELD(GameEvent, text),
    };
};

template <>
struct Members<GameDate> {
    static constexpr std::array list = {FIELD(GameDate, year, Range{0, LastYear}),
                                        FIELD(GameDate, month, Range{0, 12})};
};

template <>
struct Members<MonthSample> {
    static constexpr std::array list = {
        FIELD(MonthSample, year, Year),
        FIELD(MonthSample, month, Range{1, 12}),
        FIELD(MonthSample, passive, Range{0, MaxCountries}),
        FIELD(MonthSample, held, Range{0, MaxCountries}),
    };
};

// A counter far beyond any game, yet one the rules can still count up from.
constexpr Range Counter{0, 1'000'000'000};

template <>
struct Members<GameRecords> {
    static constexpr std::array list = {
        FIELD(GameRecords, months, Range{.longest = LongestSavedMonths}),
        FIELD(GameRecords, battlesOpened, Counter),
        FIELD(GameRecords, battlesWon, Counter),
        FIELD(GameRecords, battlesLost, Counter),
        FIELD(GameRecords, attacksSuffered, Counter),
        FIELD(GameRecords, countriesTaken, Counter),
        FIELD(GameRecords, countriesLost, Counter),
        FIELD(GameRecords, generalsRecruited, Counter),
        FIELD(GameRecords, generalsDismissed, Counter),
        FIELD(GameRecords, highestRank, Range{-1, 19}),
        FIELD(GameRecords, highestRankDate),
        FIELD(GameRecords, largestEmpire, Range{0, MaxCountries}),
        FIELD(GameRecords, largestEmpireDate),
        // Whole milliseconds stay exact in a JSON number up to 2^53.
        FIELD(GameRecords, playedMs, Range{0, int64_t{1} << 53}),
        FIELD(GameRecords, sessionMs, Range{0, int64_t{1} << 53}, Optional),
        // Saves from before the opponents gave reasons: none counted.
        FIELD(GameRecords, opponentStrikes, Counter, Optional),
    };
};

template <>
struct Members<Battle> {
    static constexpr std::array list = {
        FIELD(Battle, country, Range{0, MaxCountries}),
        FIELD(Battle, attacker, Range{0, MaxCountries}),
        FIELD(Battle, defender, Range{0, MaxCountries}),
        FIELD(Battle, attackerGeneral, Range{0, MaxGenerals}),
        FIELD(Battle, defenderGeneral, Range{0, MaxGenerals}),
        FIELD(Battle, attackerScore, Score),
        FIELD(Battle, defenderScore, Score),
        // Saves from before the second rule set: battles counted from now.
        FIELD(Battle, ticks, Counter, Optional),
    };
};

// Every field of the world a running game uses, one line each, with the
// range of its numbers. A field added later is one more line here, marked
// Optional (older files lack it and read as its default), plus its relation
// to other fields in savedWorldFault() below when it has one. mapFileName is
// not saved: it is where the map lies when the save is read.
#define W(name, ...) FIELD(WorldState, name __VA_OPT__(, ) __VA_ARGS__)
template <>
struct Members<WorldState> {
    static constexpr std::array list = {
        W(monthInterval, Range{ShortestMonth, LongestMonth}),
        W(aiDivisor, Range{MostActiveOpponent, LeastActiveOpponent}),
        W(countryCount, Range{1, MaxCountries}),
        W(gridColumns, Range{1, MaxGridSize}),
        W(gridRows, Range{1, MaxGridSize}),
        W(continentName),
        W(defaultSideCode),
        W(countryName),
        W(countryCode),
        W(countryOwner, Range{0, MaxCountries}),
        W(countryKind, Range{KindPlayer, KindOpponent}),
        W(fillX, Range{0, MaxGridSize * GridCellPixels - 1}),
        W(fillY, Range{0, MaxGridSize * GridCellPixels - 1}),
        W(countryValueA),
        W(countryValueB),
        W(neighbourCount, Range{0, MaxNeighbours}),
        W(neighbourName),
        W(generalCount, Range{0, MaxGenerals}),
        W(generalName),
        W(generalEP),
        W(generalStatus, Range{Ready, InBattle}),
        W(side, Range{0, MaxCountries}),
        W(sideMax, Range{0, 9}),
        W(battleCount, Range{0, MaxBattles}),
        W(battles),
        W(gridCell),
        W(playing),
        W(month, Range{0, 12}),
        W(year, Year),
        W(tickCount, Range{0, 3}),
        W(playerBattleCount, Range{0, MaxPlayerBattles}),
        W(playerBattleList),
        W(records, Any, Optional),
        W(events, Range{.longest = MaxEvents}, Optional),
        W(paceStep, Range{0, int(PaceSteps.size()) - 1}, Optional),
        // Saves from before the second rule set: Klassisch.
        W(ruleSet, Range{RulesKlassisch, RulesZuegig}, Optional),
        // Absent in ordinary games and older saves: no guidance.
        W(guideStep, Range{0, GuideStepCount}, Optional),
        W(guideConquered, Any, Optional),
        // Saves from before the opponents' characters: every opponent plays
        // as the original one, and no country remembers a former holder.
        W(opponentCharacter, Range{0, CharacterCount - 1}, Optional),
        W(previousOwner, Range{0, MaxCountries}, Optional),
    };
};
#undef W

// What the player looked at, kept in the game's object beside the world's
// fields, under the names it always had there.
template <>
struct Members<ViewState> {
    static constexpr std::array list = {
        FIELD(ViewState, sideMenuClosed),
        FIELD(ViewState, battleMode),
        FIELD(ViewState, shownCountry, Range{0, MaxCountries}),
    };
};

}  // namespace json

// The fault of a world read from a save that its fields' ranges let
// through, a phrase for "Der Spielstand ist beschädigt: %1"; empty when
// there is none.
QString savedWorldFault(const WorldState& w);

}  // namespace stratagon
