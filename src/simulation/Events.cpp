// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Events.h"

#include "simulation/Clock.h"
#include "world/Ranks.h"

#include <algorithm>

namespace stratagon {

namespace {

std::string nameOfSide(const WorldState& w, int side)
{
    return validSideIndex(side) ? w.countryName[side] : std::string();
}

std::string nameOfGeneral(const WorldState& w, int side, int slot)
{
    return validSideIndex(side) && validSlot(slot) ? w.generalName[side][slot] : std::string();
}

}  // namespace

void recordEvent(WorldState& world, EventKind kind, std::string text)
{
    world.events.push_back({kind, world.year, world.month, std::move(text)});
    while (world.events.size() > static_cast<std::size_t>(MaxEvents))
        world.events.pop_front();
}

void noteBattleOpened(WorldState& world, int k)
{
    const WorldState& w = world;
    const int attacker = w.battleAttacker[k];
    const int defender = w.battleDefender[k];
    const std::string country = nameOfSide(w, w.battleCountry[k]);
    if (attacker == w.side[0]) {
        std::string text = "Angriff auf " + country + ": " +
                           nameOfGeneral(w, attacker, w.battleAttackerGeneral[k]) + " gegen ";
        const std::string general = nameOfGeneral(w, defender, w.battleDefenderGeneral[k]);
        text += general.empty() ? nameOfSide(w, defender) : general + " (" + nameOfSide(w, defender) + ")";
        recordEvent(world, EventKind::BattleOpened, text + ".");
    } else if (defender == w.side[0]) {
        recordEvent(world, EventKind::Threat, nameOfSide(w, attacker) + " greift " + country + " an!");
    }
}

void noteBattleEnded(WorldState& world, int k, int winner)
{
    const WorldState& w = world;
    const int player = w.side[0];
    const int attacker = w.battleAttacker[k];
    const int defender = w.battleDefender[k];
    const std::string country = nameOfSide(w, w.battleCountry[k]);
    if (attacker == player) {
        if (winner == player)
            recordEvent(world, EventKind::BattleWon,
                        "Sieg: " + nameOfGeneral(w, attacker, w.battleAttackerGeneral[k]) + " erobert " +
                            country + (nameOfSide(w, defender) == country ? "" : " von " + nameOfSide(w, defender)) +
                            ".");
        else
            recordEvent(world, EventKind::BattleLost,
                        "Niederlage: der Angriff auf " + country + " ist gescheitert.");
    } else if (defender == player) {
        if (winner == player)
            recordEvent(world, EventKind::BattleWon,
                        "Abgewehrt: " + country + " bleibt dein, " + nameOfSide(w, attacker) +
                            " ist geschlagen.");
        else
            recordEvent(world, EventKind::BattleLost,
                        "Verloren: " + nameOfSide(w, attacker) + " hat dir " + country + " abgenommen.");
    } else if (winner == attacker) {
        const std::string from = nameOfSide(w, defender);
        recordEvent(world, EventKind::CountryTaken,
                    nameOfSide(w, attacker) + " erobert " + country + (from == country ? "" : " von " + from) +
                        ".");
    }
}

void notePromotion(WorldState& world, int side, int slot, int32_t epBefore)
{
    if (side != world.side[0] || slot < 1 || !validSideIndex(side) || !validSlot(slot))
        return;
    const int32_t ep = world.generalEP[side][slot];
    if (rankLevel(epBefore) != rankLevel(ep))
        recordEvent(world, EventKind::Promotion,
                    world.generalName[side][slot] + " ist jetzt " + std::string(rankName(ep)) + ".");
}

std::string eventDate(const GameEvent& event)
{
    const std::string_view month =
        event.month >= 1 && event.month <= 12 ? MonthNames[static_cast<std::size_t>(event.month)] : "";
    return month.empty() ? std::to_string(event.year) : std::string(month) + " " + std::to_string(event.year);
}

bool eventStandsOut(const GameEvent& event)
{
    return event.kind != EventKind::CountryTaken;
}

}  // namespace stratagon
