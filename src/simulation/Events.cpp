// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Events.h"

#include "simulation/Character.h"
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

// The sentence for an opponent's attack, by its reason: %1 the attacker,
// %2 his character, %3 the country, %4 and %5 what the reason names.
const char* attackSentence(AttackReason reason)
{
    switch (reason) {
    case AttackReason::WeakestNeighbour:
        return QT_TRANSLATE_NOOP("GameMessages", "%1 (%2) greift %3 an: dort steht nur ein General mit %4 EP.");
    case AttackReason::NoDefender:
        return QT_TRANSLATE_NOOP("GameMessages", "%1 (%2) greift %3 an: dort steht kein General zur Verteidigung.");
    case AttackReason::Retake:
        return QT_TRANSLATE_NOOP("GameMessages", "%1 (%2) will %3 zurückhaben und greift an.");
    case AttackReason::CounterAttack:
        return QT_TRANSLATE_NOOP("GameMessages", "%1 (%2) schlägt zurück und greift %3 an.");
    case AttackReason::LeaderWeakPoint:
        return QT_TRANSLATE_NOOP("GameMessages",
                                 "%1 (%2) greift %3 an: %5 führt, und dort steht nur ein General mit %4 EP.");
    default:
        return QT_TRANSLATE_NOOP("GameMessages", "%1 (%2) greift %3 an: sein General hat mehr EP als der Verteidiger.");
    }
}

// Worth a line: an attack on the player, or next to his land.
bool nearPlayer(const WorldState& w, int country)
{
    const int player = w.side[0];
    if (!validCountry(w, country) || w.countryOwner[country] == player)
        return validCountry(w, country);
    for (int j = 1; j <= std::clamp(w.neighbourCount[country], 0, MaxNeighbours); ++j) {
        const int n = neighbourIndex(w, country, j);
        if (n >= 1 && w.countryOwner[n] == player)
            return true;
    }
    return false;
}

void noteOpponentAttack(WorldState& world, const BattleNews& b)
{
    const WorldState& w = world;
    const bool onPlayer = b.defender == w.side[0];
    if (!onPlayer && !nearPlayer(w, b.country))
        return;
    const TextArg character = TextArg::name(characterInfo(characterOf(w, b.attacker)).name);
    recordEvent(world, onPlayer ? EventKind::Threat : EventKind::OpponentAttack,
                message(attackSentence(b.reason), {sideArg(w, b.attacker), character, sideArg(w, b.country),
                                                   TextArg::num(b.defenderEP), sideArg(w, b.defender)}));
}

}  // namespace

void noteBattleOpened(WorldState& world, const BattleNews& b)
{
    const WorldState& w = world;
    const TextArg country = sideArg(w, b.country);
    const TextArg general = TextArg::plain(b.attackerGeneralName);
    if (b.attacker != w.side[0] && b.reason != AttackReason::None) {
        noteOpponentAttack(world, b);
    } else if (b.attacker == w.side[0]) {
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

void noteSideBeaten(WorldState& world, const BeatenNews& beaten)
{
    if (beaten.by == world.side[0])
        recordEvent(world, EventKind::BattleWon,
                    message(QT_TRANSLATE_NOOP("GameMessages", "Du hast %1 geschlagen: all sein Land gehört jetzt dir."),
                            {sideArg(world, beaten.side)}));
    else
        recordEvent(world, EventKind::CountryTaken,
                    message(QT_TRANSLATE_NOOP("GameMessages", "%1 ist geschlagen: all sein Land fällt an %2."),
                            {sideArg(world, beaten.side), sideArg(world, beaten.by)}));
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

bool eventStandsOut(const GameEvent& event)
{
    return event.kind != EventKind::CountryTaken && event.kind != EventKind::OpponentAttack;
}

}  // namespace stratagon
