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

// Why a computer opponent attacks; told in the message and counted in the
// game's records (simulation/Order.h gives it with the attack).
enum class AttackReason : int8_t {
    None,              // not an opponent's attack (the player's)
    Outclassed,        // his best free general has more EP than the defender
    WeakestNeighbour,  // the weakest defence within his reach
    NoDefender,        // nobody free to defend the country
    Retake,            // the country was his before its holder took it
    CounterAttack,     // its holder is attacking him
    LeaderWeakPoint,   // the side ahead of everyone, where it is weak
};

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
    // The two generals' EP at the moment; for an opened battle, why a
    // computer opponent attacks.
    int32_t attackerEP = 0;
    int32_t defenderEP = 0;
    AttackReason reason = AttackReason::None;
};

// A general whose EP crossed into a new rank.
struct PromotionNews {
    int side = 0;
    int slot = 0;
    int32_t epBefore = 0;
    int32_t epAfter = 0;
    std::string name;
};

// A computer opponent who lost his home country and left the game.
struct BeatenNews {
    int side = 0;       // his home country
    int by = 0;         // the side that took it, and with it his land
    int countries = 0;  // the countries that went with it, his home included
};

struct Happening {
    enum class Kind { BattleOpened, BattleEnded, Promotion, SideBeaten };
    Kind kind = Kind::BattleOpened;
    BattleNews battle;
    PromotionNews promotion;
    BeatenNews beaten;

    static Happening opened(BattleNews news) { return {Kind::BattleOpened, std::move(news), {}, {}}; }
    static Happening ended(BattleNews news) { return {Kind::BattleEnded, std::move(news), {}, {}}; }
    static Happening promoted(PromotionNews news) { return {Kind::Promotion, {}, std::move(news), {}}; }
    static Happening sideBeaten(BeatenNews news) { return {Kind::SideBeaten, {}, {}, news}; }
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
