// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The guided first game: a short row of goals, each reached by what the
// player does or by what the clock brings, never by a "next" button. The
// step lives in the world (WorldState::guideStep), so a saved guided game
// goes on where it stood.

#include "simulation/TickReport.h"
#include "world/Rules.h"
#include "world/WorldState.h"

#include <string_view>
#include <vector>

namespace stratagon {

enum class GuideStep : int32_t {
    Off = 0,          // no guidance (any ordinary game)
    StartClock,       // the guided game starts paused
    LookAtNeighbour,  // a click (or a key) on a country beside the player's
    Recruit,          // "Generäle": a new general
    Train,            // a general who stands ready sent to training (passed when none does)
    Attack,           // the weakest neighbour attacked
    WatchBattle,      // the battle seen moving in the battle list
    Pause,            // the clock stopped by the player...
    Speed,            // ...and the pace changed
    ReadMessage,      // a message picked in the list
    Report,           // the "Spielbilanz" opened
    Win,              // waits for the first conquest
    Done,             // the closing word is shown
};
constexpr int GuideStepCount = static_cast<int>(GuideStep::Done);

enum class GuideAction {
    ClockStarted,
    ClockPaused,
    PaceChanged,
    CountryLooked,
    Recruited,
    TrainingSet,
    AttackLaunched,
    MessageRead,
    ReportOpened,
};

inline GuideStep guideStep(const WorldState& world) { return static_cast<GuideStep>(world.guideStep); }
// Guidance is shown: a step before the closing word, or the word itself.
inline bool guideShown(const WorldState& world) { return world.guideStep > 0 && world.guideStep <= GuideStepCount; }

// The guided game: Afrika as Südafrika against one opponent at "Sehr Leicht",
// by the quick rules; it never changes the player's own settings.
inline constexpr std::string_view GuideMapName = "Afrika";
inline constexpr std::string_view GuideSideName = "Südafrika";
constexpr int GuideOpponents = 1;
constexpr int GuideAiDivisor = 256;
constexpr RuleSet GuideRules = RulesZuegig;

// On the guided game's map, just loaded: its strength, its rules and the
// player's side (the map's own default side should Südafrika be missing).
void prepareGuidedGame(WorldState& world);

// The guidance from its first step; the set-up has placed the sides.
void startGuide(WorldState& world);
// No guidance any more: skipped, or the closing word answered.
void endGuide(WorldState& world);

// What the player just did; `country` for CountryLooked. True when the step moved.
bool guideAction(WorldState& world, GuideAction action, int country = 0);
// What a tick brought. True when the step moved.
bool guideTick(WorldState& world, const TickReport& report);

// The neighbour of the player's countries that his best general beats most
// surely (0 when none is left), and that chance (0..1).
struct GuideTarget {
    int country = 0;
    double chance = 0;
};
GuideTarget weakestNeighbour(const WorldState& world);

// A battle the player opened is still being fought.
bool playerBattleRunning(const WorldState& world);

// The first of the player's generals who only stands ready (slot; 0 for none):
// the one the training step is about.
int readyGeneral(const WorldState& world);

// The countries beside the player's that he does not hold, in map order.
std::vector<int> playerNeighbours(const WorldState& world);

}  // namespace stratagon
