// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one store of everything the game knows. Plain fixed-size tables, used
// entries start at 1; the counts bound every loop. No Qt here: the rules and
// their tests run without a window.

#include "world/GameRecords.h"
#include "world/Text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace stratagon {

constexpr int MaxCountries = 100;      // country indices 1..100
constexpr int MaxGenerals = 99;        // general slots 1..99
constexpr int MaxNeighbours = 10;
constexpr int MaxBattles = 99;         // battle entries 1..99
constexpr int MaxGridSize = 99;        // grid rows / columns 1..99
constexpr int GridCellPixels = 17;
constexpr int MaxPlayerBattles = 25;   // places of the player's battle list
constexpr int PlayerAttackLimit = 25;  // the player opens no 26th battle

enum CountryKind : int16_t { KindPlayer = 0, KindPassive = 1, KindOpponent = 2 };

enum GeneralStatus : int32_t { Ready = 0, Training = 1, InBattle = 2 };

// Colours as 0x00BBGGRR.
using Rgb = uint32_t;
constexpr Rgb PlayerColour = 255;       // red
constexpr Rgb OpponentColour = 65280;   // green
constexpr Rgb DarkGreen = 32768;        // window backgrounds
constexpr Rgb White = 0xFFFFFF;

template <typename T, int N>
using Table = std::array<T, N>;

// One entry of the battle panel's list, copied during the battle step. The
// scores as shown, 0..100; the EP as they are.
struct PlayerBattleEntry {
    std::string country;
    std::string attackerSide;
    int16_t attackerScore = 0;
    std::string attackerGeneral;
    int32_t attackerEP = 0;
    std::string defenderSide;
    int16_t defenderScore = 0;
    std::string defenderGeneral;
    int32_t defenderEP = 0;

    bool operator==(const PlayerBattleEntry&) const = default;
};

// What the messages panel reports. The rules record them as they happen.
enum class EventKind : int16_t {
    BattleOpened,   // the player attacks
    BattleWon,      // a battle of the player's ends in his favour
    BattleLost,     // ... or against him
    Threat,         // the opponent attacks one of the player's countries
    CountryTaken,   // a country changes hands in a battle without the player
    Promotion,      // one of the player's generals reaches a new rank
    OpponentAttack, // a computer opponent attacks near the player, or one is beaten
};

struct GameEvent {
    EventKind kind = EventKind::BattleOpened;
    int32_t year = 0;
    int32_t month = 0;
    Text text;

    bool operator==(const GameEvent&) const = default;
};

constexpr int MaxEvents = 200;  // the log keeps the latest lines of a game

// One battle in progress: who fights over which country, with which
// generals, and how it stands. Scores add up to 100.
struct Battle {
    int32_t country = 0;
    int32_t attacker = 0;
    int32_t defender = 0;
    int32_t attackerGeneral = 0;
    int32_t defenderGeneral = 0;
    int32_t attackerScore = 0;
    int32_t defenderScore = 0;
    int32_t ticks = 0;  // steps fought so far

    bool operator==(const Battle&) const = default;
};

struct WorldState {
    // Settings (game.dat)
    int32_t monthInterval = 0;
    int32_t aiDivisor = 0;
    // The rule set this game is played by (world/Rules.h); kept with the game.
    int32_t ruleSet = 0;

    // Map header
    int32_t countryCount = 0;
    int32_t gridColumns = 0;
    int32_t gridRows = 0;
    std::string continentName;
    std::string defaultSideCode;
    std::string mapFileName;

    // Country tables, 0..100
    Table<std::string, MaxCountries + 1> countryName{};
    Table<std::string, MaxCountries + 1> countryCode{};
    Table<int32_t, MaxCountries + 1> countryOwner{};
    // Who held the country before its holder took it in battle; 0 while it
    // has never changed hands.
    Table<int32_t, MaxCountries + 1> previousOwner{};
    Table<int16_t, MaxCountries + 1> countryKind{};
    Table<int32_t, MaxCountries + 1> fillX{};
    Table<int32_t, MaxCountries + 1> fillY{};
    Table<int32_t, MaxCountries + 1> countryValueA{};
    Table<int32_t, MaxCountries + 1> countryValueB{};
    Table<int32_t, MaxCountries + 1> neighbourCount{};
    Table<Table<std::string, MaxNeighbours + 1>, MaxCountries + 1> neighbourName{};

    // General tables per side (0..100) and slot (0..99)
    Table<int32_t, MaxCountries + 1> generalCount{};
    Table<Table<std::string, MaxGenerals + 1>, MaxCountries + 1> generalName{};
    Table<Table<int32_t, MaxGenerals + 1>, MaxCountries + 1> generalEP{};
    Table<Table<int32_t, MaxGenerals + 1>, MaxCountries + 1> generalStatus{};

    // Sides in play
    Table<int32_t, 10> side{};
    int32_t sideMax = 0;
    // How each computer opponent plays, by his place in `side`
    // (simulation/Character.h); 0, the plain opponent, for any other.
    Table<int32_t, 10> opponentCharacter{};

    // Battles in progress, 1..battleCount, packed
    int32_t battleCount = 0;
    Table<Battle, MaxBattles + 1> battles{};

    // Country-code grid: gridCell[column][row], both 1..99; '\0' is an empty cell
    Table<Table<char, MaxGridSize + 1>, MaxGridSize + 1> gridCell{};

    // The game in progress. What the player looks at is the view's
    // (session/ViewState.h), not the world's.
    bool playing = false;
    int32_t month = 0;
    int32_t year = 0;
    int32_t tickCount = 0;
    uint8_t playerBattleCount = 0;
    Table<PlayerBattleEntry, MaxPlayerBattles + 1> playerBattleList{};

    // The game's story for its summary.
    GameRecords records;
    // Messages of this game, oldest first, at most MaxEvents.
    std::deque<GameEvent> events;
    // The pace as a step of PaceSteps (simulation/Pace.h); not part of game.dat.
    int32_t paceStep = 1;
    // The guided first game (simulation/Guide.h): its step, 0 for none, and
    // whether the player has conquered a country in it yet.
    int32_t guideStep = 0;
    bool guideConquered = false;

    bool operator==(const WorldState&) const = default;
};

// Look-ups over countries 1..countryCount. They scan without stopping, so the
// last match wins; 0 or "" when nothing matches. Case-sensitive.
int codeToCountry(const WorldState& w, const std::string& code);
std::string nameToCode(const WorldState& w, const std::string& name);
int countryIndexByName(const WorldState& w, const std::string& name);
// countryIndexByName of neighbourName(country, j), kept between calls: the
// rules ask it on every turn of every opponent.
int neighbourIndex(const WorldState& w, int country, int j);
// The country a text (a message) is about, among the countries its values
// name: the first that is no side's home ("Ägypten erobert Libyen"), else
// the last ("Ägypten greift Südafrika an!"); 0 when it names none.
int countryNamedIn(const WorldState& w, const Text& text);

// The text of a general status; "" for a value outside Ready..InBattle.
const std::string& statusTextOf(int status);

// The month's name, "Januar".."Dezember"; "" outside 1..12.
std::string monthName(int month);

// Which side in play holds a country: 0 the player, 1..sideMax an opponent
// (the player first when he is also one of them); -1 for a passive country
// or an index outside the map.
int holdingSide(const WorldState& w, int country);

// The cell code under grid column/row; "" outside 1..99 or the loaded grid.
std::string cellCode(const WorldState& w, int column, int row);

// The countries' seed points, country 1 first, as any point type built from
// {x, y}: QPoint for the map picture, a pair where no Qt is at hand.
template <typename Point>
std::vector<Point> seedPoints(const WorldState& w)
{
    std::vector<Point> seeds;
    const int count = std::clamp(w.countryCount, 0, MaxCountries);
    seeds.reserve(std::size_t(count));
    for (std::size_t i = 1; i <= std::size_t(count); ++i)
        seeds.push_back(Point{w.fillX[i], w.fillY[i]});
    return seeds;
}

inline bool validCountry(const WorldState& w, int i) { return i >= 1 && i <= w.countryCount; }
inline bool validSideIndex(int i) { return i >= 0 && i <= MaxCountries; }
inline bool validSlot(int s) { return s >= 0 && s <= MaxGenerals; }

}  // namespace stratagon
