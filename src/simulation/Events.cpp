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

void recordEvent(WorldState& world, EventKind kind, Text text)
{
    world.events.push_back({kind, world.year, world.month, std::move(text)});
    while (world.events.size() > static_cast<std::size_t>(MaxEvents))
        world.events.pop_front();
}

namespace {

Text message(const char* id, std::vector<TextArg> args) { return {MessagesContext, id, std::move(args)}; }

TextArg sideArg(const WorldState& w, int side) { return TextArg::name(nameOfSide(w, side)); }

}  // namespace

void noteBattleOpened(WorldState& world, const BattleNews& b)
{
    const WorldState& w = world;
    const TextArg country = sideArg(w, b.country);
    const TextArg general = TextArg::plain(b.attackerGeneralName);
    if (b.attacker == w.side[0]) {
        if (b.defenderGeneralName.empty())
            recordEvent(world, EventKind::BattleOpened,
                        message(QT_TRANSLATE_NOOP("GameMessages", "Angriff auf %1: %2 gegen %3."),
                                {country, general, sideArg(w, b.defender)}));
        else
            recordEvent(world, EventKind::BattleOpened,
                        message(QT_TRANSLATE_NOOP("GameMessages", "Angriff auf %1: %2 gegen %3 (%4)."),
                                {country, general, TextArg::plain(b.defenderGeneralName), sideArg(w, b.defender)}));
    } else if (b.defender == w.side[0]) {
        recordEvent(world, EventKind::Threat,
                    message(QT_TRANSLATE_NOOP("GameMessages", "%1 greift %2 an!"), {sideArg(w, b.attacker), country}));
    }
}

void noteBattleEnded(WorldState& world, const BattleNews& b)
{
    const WorldState& w = world;
    const int player = w.side[0];
    const int winner = b.winner;
    const TextArg country = sideArg(w, b.country);
    const TextArg attacker = sideArg(w, b.attacker);
    const TextArg defender = sideArg(w, b.defender);
    // A country defended by no other side is taken from itself: no "von".
    const bool ownDefence = defender.text == country.text;
    if (b.attacker == player) {
        const TextArg general = TextArg::plain(b.attackerGeneralName);
        if (winner != player)
            recordEvent(world, EventKind::BattleLost,
                        message(QT_TRANSLATE_NOOP("GameMessages", "Niederlage: der Angriff auf %1 ist gescheitert."),
                                {country}));
        else if (ownDefence)
            recordEvent(world, EventKind::BattleWon,
                        message(QT_TRANSLATE_NOOP("GameMessages", "Sieg: %1 erobert %2."), {general, country}));
        else
            recordEvent(world, EventKind::BattleWon,
                        message(QT_TRANSLATE_NOOP("GameMessages", "Sieg: %1 erobert %2 von %3."),
                                {general, country, defender}));
    } else if (b.defender == player) {
        if (winner == player)
            recordEvent(world, EventKind::BattleWon,
                        message(QT_TRANSLATE_NOOP("GameMessages", "Abgewehrt: %1 bleibt dein, %2 ist geschlagen."),
                                {country, attacker}));
        else
            recordEvent(
                world, EventKind::BattleLost,
                message(QT_TRANSLATE_NOOP("GameMessages", "Verloren: %1 hat dir %2 abgenommen."), {attacker, country}));
    } else if (winner == b.attacker) {
        if (ownDefence)
            recordEvent(world, EventKind::CountryTaken,
                        message(QT_TRANSLATE_NOOP("GameMessages", "%1 erobert %2."), {attacker, country}));
        else
            recordEvent(
                world, EventKind::CountryTaken,
                message(QT_TRANSLATE_NOOP("GameMessages", "%1 erobert %2 von %3."), {attacker, country, defender}));
    }
}

void notePromotion(WorldState& world, const PromotionNews& p)
{
    if (p.side != world.side[0] || p.slot < 1)
        return;
    if (rankLevel(p.epBefore) != rankLevel(p.epAfter))
        recordEvent(world, EventKind::Promotion,
                    message(QT_TRANSLATE_NOOP("GameMessages", "%1 ist jetzt %2."),
                            {TextArg::plain(p.name), TextArg::rank(p.epAfter)}));
}

std::string eventDate(const GameEvent& event)
{
    const std::string month = monthName(event.month);
    return month.empty() ? std::to_string(event.year) : std::string(month) + " " + std::to_string(event.year);
}

bool eventStandsOut(const GameEvent& event) { return event.kind != EventKind::CountryTaken; }

}  // namespace stratagon
