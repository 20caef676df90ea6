// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game being played, apart from any window: the world, the game's own
// random source and its trail, the clock and the player's pause. Set-up,
// loading and the player's orders go through it; windows show what it
// reports. Every order of the player is kept in the trail with its tick, so
// the game can be computed again (simulation/Trail.h).
//
// The clock runs while a game is open, the player has not paused it and
// nobody holds it. Whatever must stop the war for a while (a window the
// player works in, a question) takes a ClockHold and lets it go.
//
// A game's life as the windows follow it is its phase: no game, running,
// paused by the player, held by a window, or over (decided, its window still
// open). Every change of phase is said once, by phaseChanged.

#include "simulation/Guide.h"
#include "simulation/PlayerActions.h"
#include "simulation/Setup.h"
#include "simulation/Trail.h"
#include "simulation/TickReport.h"
#include "session/ViewState.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <string>

namespace stratagon {

class GameSession;
class RandomSource;

enum class GamePhase { NoGame, Running, Paused, Held, Over };
class SessionClock;
struct WorldState;

// Stops the clock for as long as it lives; moved, not copied. An empty hold
// (default-constructed, moved from or released) holds nothing.
class ClockHold {
public:
    ClockHold() = default;
    ~ClockHold() { release(); }
    ClockHold(ClockHold&& other) noexcept : session_(other.session_) { other.session_ = nullptr; }
    ClockHold& operator=(ClockHold&& other) noexcept;
    ClockHold(const ClockHold&) = delete;
    ClockHold& operator=(const ClockHold&) = delete;

    void release();
    bool holding() const { return !session_.isNull(); }

private:
    friend class GameSession;
    explicit ClockHold(GameSession* session) : session_(session) {}
    QPointer<GameSession> session_;
};

class GameSession : public QObject {
    Q_OBJECT
public:
    GameSession(WorldState& world, RandomSource& random, QObject* parent = nullptr);
    ~GameSession() override;

    WorldState& world() const { return world_; }
    // The program's source: each game's seed, and what windows suggest (a
    // recruit's name). The game itself draws only from its own.
    RandomSource& random() const { return random_; }
    const SeededRandom& gameRandom() const { return gameRandom_; }
    const GameTrail& trail() const { return trail_; }
    // What the player looks at in this game; the game's window keeps it.
    ViewState& view() { return view_; }
    const ViewState& view() const { return view_; }

    // ---- The game's life ----
    GamePhase phase() const;
    // A game is open and not yet over: running, paused or held.
    bool gameRunning() const;

    // ---- The clock ----
    [[nodiscard]] ClockHold hold();
    int holds() const { return holds_; }
    bool paused() const { return paused_; }
    void setPaused(bool paused);
    bool clockRunning() const { return timer_.isActive(); }
    // An attack on the player or a country of his lost pauses the game.
    void setPauseOnAttack(bool pause) { pauseOnAttack_ = pause; }
    // The pace or the month's length has changed: the next ticks follow it.
    void paceChanged();
    // The timer itself, for tests that step the clock.
    QTimer& timer() { return timer_; }

    // ---- A game ----
    // A new game on the map at mapPath; the picture, loaded by the window,
    // is checked against the map. The clock starts when the game did.
    // A guided game starts paused, at the guidance's first step.
    SetupResult startNewGame(const std::string& mapPath, int opponents, const MapPicture* picture, bool guided = false,
                             const CharacterChoice* characters = nullptr);
    // The trail read with the game just loaded into the world, for
    // openLoadedGame.
    void keepLoadedTrail(GameTrail trail) { loadedTrail_ = std::move(trail); }
    // The game just loaded into the world, paused, with the trail read with
    // it; without one (an older save, a trail refused) the trail starts
    // here, from a new seed.
    void openLoadedGame();
    // The game after `tick` ticks of its trail put into the world as a new
    // game, its trail saying where it branched, for openLoadedGame; the old
    // game's saves are left alone. False, and the game as it was, when the
    // trail does not reach there.
    bool branchInto(int64_t tick);
    // The game's window is gone: the clock stops until the next game.
    void closeGame();
    bool gameOpen() const { return open_; }
    // The player gives the game up (or another one replaces it): it is over.
    void giveUp();

    // One tick, as the timer runs it: ticked, then decided when it ended the game.
    void tick();

    // ---- The player's orders ----
    AttackOutcome attack(int target, int generalSlot);
    RecruitOutcome recruit(const std::string& name);
    bool dismiss(int slot);
    TaskOutcome setTask(int slot, GeneralStatus task);
    // A step of PaceSteps; false when there is none such.
    bool setPace(int step);
    // game.dat's numbers changed while the game runs.
    void changeSettings(int monthInterval, int aiDivisor);
    // What the windows see the player do for the guidance (a country looked
    // at, a message read, the summary opened); the orders above note theirs.
    void noteGuide(GuideAction action, int country = 0);

signals:
    void ticked(const stratagon::TickReport& report);
    void decided(stratagon::GameOutcome outcome);
    // The player's orders between ticks changed the world.
    void changed();
    // The player ordered an attack, with what became of it.
    void attackOrdered(stratagon::AttackOutcome outcome);
    void clockRunningChanged(bool running);
    void phaseChanged(stratagon::GamePhase phase);
    // The guidance moved to another step.
    void guideChanged();

private:
    friend class ClockHold;
    void letGo();
    // The timer and the phase as the state now asks.
    void update();

    // An order the player has just carried out.
    void noted(const Order& order);
    // The game in the world, paused, going on along `trail` (or a new one).
    void openGame(const GameTrail& trail);

    WorldState& world_;
    RandomSource& random_;
    GameRandom gameRandom_;
    GameTrail trail_;
    GameTrail loadedTrail_;
    QTimer timer_;
    SessionClock* sessionClock_ = nullptr;
    bool open_ = false;
    bool paused_ = false;
    bool pauseOnAttack_ = false;
    int holds_ = 0;
    GamePhase phase_ = GamePhase::NoGame;
    ViewState view_;
};

}  // namespace stratagon
