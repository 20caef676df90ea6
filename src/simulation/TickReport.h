// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What happened in one tick of the clock, or in one order of the player: the
// rules fill it in as things happen; the game's story, its messages and the
// window's repaint all read it afterwards.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace stratagon {

struct WorldState;

enum class GameOutcome { Running, Won, Lost };

// A battle that opened or ended, with both sides and their generals' names
// as they were at that moment.
struct BattleNews {
    int country = 0;
    int attacker = 0;
    int defender = 0;
    int attackerGeneral = 0;
    int defenderGeneral = 0;
    std::string attackerGeneralName;
    std::string defenderGeneralName;
    // Only for an ended battle: who holds the country now and who held it before.
    int winner = 0;
    int formerHolder = 0;
};

// A general whose EP crossed into a new rank.
struct PromotionNews {
    int side = 0;
    int slot = 0;
    int32_t epBefore = 0;
    int32_t epAfter = 0;
    std::string name;
};

struct Happening {
    enum class Kind { BattleOpened, BattleEnded, Promotion };
    Kind kind = Kind::BattleOpened;
    BattleNews battle;
    PromotionNews promotion;

    static Happening opened(BattleNews news) { return {Kind::BattleOpened, std::move(news), {}}; }
    static Happening ended(BattleNews news) { return {Kind::BattleEnded, std::move(news), {}}; }
    static Happening promoted(PromotionNews news) { return {Kind::Promotion, {}, std::move(news)}; }
};

struct TickReport {
    std::vector<Happening> happenings;  // in the order they happened
    GameOutcome outcome = GameOutcome::Running;
    bool newYear = false;  // the calendar turned to a new year

    bool anyBattleOpened() const;
    bool anyBattleEnded() const;
    // Ended battles in which the country changed hands.
    std::vector<BattleNews> countriesTaken() const;
};

// The game's story and its messages from what happened: one place for both,
// so they never disagree.
void chronicle(WorldState& world, const Happening& happening);
void chronicle(WorldState& world, const TickReport& report);

}  // namespace stratagon
