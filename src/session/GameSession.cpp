// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/GameSession.h"

#include "session/SessionClock.h"
#include "simulation/Announcements.h"
#include "simulation/Clock.h"
#include "simulation/Pace.h"
#include "world/WorldState.h"

#include <utility>

namespace stratagon {

ClockHold& ClockHold::operator=(ClockHold&& other) noexcept
{
    if (this != &other) {
        release();
        session_ = other.session_;
        other.session_ = nullptr;
    }
    return *this;
}

void ClockHold::release()
{
    if (GameSession* session = session_.data()) {
        session_ = nullptr;
        session->letGo();
    }
}

GameSession::GameSession(WorldState& world, RandomSource& random, QObject* parent)
    : QObject(parent), world_(world), random_(random)
{
    timer_.setObjectName(QStringLiteral("clockTimer"));
    connect(&timer_, &QTimer::timeout, this, &GameSession::tick);
}

GameSession::~GameSession() = default;

ClockHold GameSession::hold()
{
    ++holds_;
    update();
    return ClockHold(this);
}

void GameSession::letGo()
{
    if (holds_ > 0)
        --holds_;
    update();
}

void GameSession::setPaused(bool paused)
{
    paused_ = paused;
    update();
    noteGuide(paused ? GuideAction::ClockPaused : GuideAction::ClockStarted);
}

void GameSession::paceChanged()
{
    timer_.setInterval(tickPeriodMs(world_));
    noteGuide(GuideAction::PaceChanged);
}

void GameSession::noteGuide(GuideAction action, int country)
{
    if (open_ && guideAction(world_, action, country))
        emit guideChanged();
}

GamePhase GameSession::phase() const
{
    if (!open_)
        return GamePhase::NoGame;
    if (!world_.playing)
        return GamePhase::Over;
    if (paused_)
        return GamePhase::Paused;
    return holds_ > 0 ? GamePhase::Held : GamePhase::Running;
}

bool GameSession::gameRunning() const { return open_ && world_.playing; }

void GameSession::update()
{
    const bool run = phase() == GamePhase::Running;
    if (run != timer_.isActive()) {
        if (run)
            timer_.start(tickPeriodMs(world_));
        else
            timer_.stop();
        emit clockRunningChanged(run);
    }
    if (const GamePhase now = phase(); now != phase_) {
        phase_ = now;
        emit phaseChanged(now);
    }
}

SetupResult GameSession::startNewGame(const std::string& mapPath, int opponents, const MapPicture* picture, bool guided,
                                      const CharacterChoice* characters)
{
    closeGame();
    gameRandom_.restore(drawSeed(random_), 0);
    SetupResult result = startGame(world_, gameRandom_, mapPath, opponents, picture, characters);
    trail_ = result.started ? startTrail(world_, gameRandom_) : GameTrail{};
    endGuide(world_);
    // A new game shows the player's country, the side menu open, the mode on attack.
    view_ = {world_.side[0], false, true};
    if (result.started) {
        open_ = true;
        paused_ = guided;
        if (guided)
            startGuide(world_);
        sessionClock_ = new SessionClock(world_, this);
    }
    update();
    return result;
}

void GameSession::openLoadedGame()
{
    openGame(std::exchange(loadedTrail_, GameTrail{}));
}

void GameSession::openGame(const GameTrail& trail)
{
    closeGame();
    if (trail.kept()) {
        trail_ = trail;
        gameRandom_.restore(trail.seed, trail.draws);
    } else {
        gameRandom_.restore(drawSeed(random_), 0);
        trail_ = startTrail(world_, gameRandom_);
    }
    open_ = true;
    paused_ = true;
    sessionClock_ = new SessionClock(world_, this);
    update();
}

bool GameSession::branchInto(int64_t tick)
{
    std::optional<Branch> branch = branchAt(trail_, tick);
    if (!branch)
        return false;
    closeGame();
    world_ = std::move(*branch->world);
    // The guidance is over in a game played again.
    endGuide(world_);
    view_ = {world_.side[0], false, true};
    loadedTrail_ = std::move(branch->trail);
    return true;
}

void GameSession::closeGame()
{
    open_ = false;
    delete sessionClock_;
    sessionClock_ = nullptr;
    update();
}

void GameSession::giveUp()
{
    world_.playing = false;
    update();
}

void GameSession::tick()
{
    if (!open_ || !world_.playing)
        return;
    const TickReport report = trailTick(world_, gameRandom_, trail_);
    const bool guideMoved = guideTick(world_, report);
    if (report.outcome != GameOutcome::Running) {
        update();  // over: no tick while the player reads the news
    } else if (pauseOnAttack_ && attackOnPlayer(world_, report)) {
        // Stopped before the news goes out, so that it is told with the pause.
        paused_ = true;
        update();
    }
    emit ticked(report);
    if (guideMoved)
        emit guideChanged();
    if (report.outcome != GameOutcome::Running)
        emit decided(report.outcome);
}

void GameSession::noted(const Order& order)
{
    if (open_)
        noteOrder(trail_, order);
}

bool GameSession::setPace(int step)
{
    const Order order = Order::pace(world_.side[0], step);
    TickReport report;
    if (step == world_.paceStep || !applyOrder(world_, order, report))
        return false;
    noted(order);
    // A running clock keeps running at the new pace; a stopped one takes it when it starts.
    paceChanged();
    return true;
}

void GameSession::changeSettings(int monthInterval, int aiDivisor)
{
    if (monthInterval == world_.monthInterval && aiDivisor == world_.aiDivisor)
        return;
    const Order order = Order::settings(world_.side[0], monthInterval, aiDivisor);
    TickReport report;
    if (gameRunning() && applyOrder(world_, order, report)) {
        noted(order);
    } else {
        world_.monthInterval = monthInterval;
        world_.aiDivisor = aiDivisor;
    }
    if (timer_.isActive())
        timer_.setInterval(tickPeriodMs(world_));
}

RecruitOutcome GameSession::recruit(const std::string& name)
{
    const RecruitOutcome outcome = recruitGeneral(world_, name);
    if (outcome == RecruitOutcome::Recruited) {
        // As kept: a name cut to its longest is kept cut.
        const int p = world_.side[0];
        noted(Order::recruit(p, world_.generalName[p][world_.generalCount[p]]));
        emit changed();
        noteGuide(GuideAction::Recruited);
    }
    return outcome;
}

bool GameSession::dismiss(int slot)
{
    const bool dismissed = dismissGeneral(world_, slot);
    if (dismissed) {
        noted(Order::dismiss(world_.side[0], slot));
        emit changed();
    }
    return dismissed;
}

TaskOutcome GameSession::setTask(int slot, GeneralStatus task)
{
    const TaskOutcome outcome = setGeneralTask(world_, slot, task);
    if (outcome == TaskOutcome::Set) {
        noted(Order::setTask(world_.side[0], slot, task));
        emit changed();
        if (task == Training)
            noteGuide(GuideAction::TrainingSet);
    }
    return outcome;
}

AttackOutcome GameSession::attack(int target, int generalSlot)
{
    const AttackOutcome outcome = launchAttack(world_, target, generalSlot);
    if (outcome == AttackOutcome::Launched)
        noted(Order::attack(world_.side[0], generalSlot, target, AttackReason::None));
    emit attackOrdered(outcome);
    if (outcome == AttackOutcome::Launched) {
        emit changed();
        noteGuide(GuideAction::AttackLaunched);
    }
    return outcome;
}

}  // namespace stratagon
