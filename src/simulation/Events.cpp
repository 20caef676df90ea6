// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Events.h"

#include "world/Ranks.h"

#include <algorithm>

namespace stratagon {

namespace {

std::string nameOfSide(const WorldState& w, int side)
{
    return validSideIndex(side) ? w.countryName[side] : std::string();
}

}  // namespace

void recordEvent(WorldState& world, EventKind kind, std::string text)
{
    world.events.push_back({kind, world.year, world.month, std::move(text)});
    while (world.events.size() > static_cast<std::size_t>(MaxEvents))
        world.events.pop_front();
}

void noteBattleOpened(WorldState& world, const BattleNews& b)
{
    const WorldState& w = world;
    const std::string country = nameOfSide(w, b.country);
    if (b.attacker == w.side[0]) {
        std::string text = "Angriff auf " + country + ": " + b.attackerGeneralName + " gegen ";
        const std::string& general = b.defenderGeneralName;
        text += general.empty() ? nameOfSide(w, b.defender) : general + " (" + nameOfSide(w, b.defender) + ")";
        recordEvent(world, EventKind::BattleOpened, text + ".");
    } else if (b.defender == w.side[0]) {
        recordEvent(world, EventKind::Threat, nameOfSide(w, b.attacker) + " greift " + country + " an!");
    }
}

void noteBattleEnded(WorldState& world, const BattleNews& b)
{
    const WorldState& w = world;
    const int player = w.side[0];
    const int winner = b.winner;
    const std::string country = nameOfSide(w, b.country);
    const std::string attacker = nameOfSide(w, b.attacker);
    const std::string defender = nameOfSide(w, b.defender);
    if (b.attacker == player) {
        if (winner == player)
            recordEvent(world, EventKind::BattleWon,
                        "Sieg: " + b.attackerGeneralName + " erobert " + country +
                            (defender == country ? "" : " von " + defender) + ".");
        else
            recordEvent(world, EventKind::BattleLost, "Niederlage: der Angriff auf " + country + " ist gescheitert.");
    } else if (b.defender == player) {
        if (winner == player)
            recordEvent(world, EventKind::BattleWon,
                        "Abgewehrt: " + country + " bleibt dein, " + attacker + " ist geschlagen.");
        else
            recordEvent(world, EventKind::BattleLost, "Verloren: " + attacker + " hat dir " + country + " abgenommen.");
    } else if (winner == b.attacker) {
        recordEvent(world, EventKind::CountryTaken,
                    attacker + " erobert " + country + (defender == country ? "" : " von " + defender) + ".");
    }
}

void notePromotion(WorldState& world, const PromotionNews& p)
{
    if (p.side != world.side[0] || p.slot < 1)
        return;
    if (rankLevel(p.epBefore) != rankLevel(p.epAfter))
        recordEvent(world, EventKind::Promotion, p.name + " ist jetzt " + std::string(rankName(p.epAfter)) + ".");
}

std::string eventDate(const GameEvent& event)
{
    const std::string month = monthName(event.month);
    return month.empty() ? std::to_string(event.year) : std::string(month) + " " + std::to_string(event.year);
}

bool eventStandsOut(const GameEvent& event) { return event.kind != EventKind::CountryTaken; }

}  // namespace stratagon
