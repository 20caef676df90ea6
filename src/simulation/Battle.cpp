// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Battle.h"

#include "world/Ranks.h"
#include "world/Rules.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace stratagon {

void reportPromotion(const WorldState& w, int side, int slot, int32_t epBefore, TickReport& report)
{
    if (!validSideIndex(side) || !validSlot(slot))
        return;
    const int32_t ep = w.generalEP[side][slot];
    if (rankLevel(epBefore) != rankLevel(ep))
        report.happenings.push_back(Happening::promoted({side, slot, epBefore, ep, w.generalName[side][slot]}));
}

namespace {

// A battle entry is only trusted as far as the tables reach: a side or slot
// outside them reads as EP 0 and is never written.
bool validGeneral(int side, int slot) { return validSideIndex(side) && validSlot(slot); }

int32_t epOf(const WorldState& w, int side, int slot) { return validGeneral(side, slot) ? w.generalEP[side][slot] : 0; }

const std::string& nameOf(const WorldState& w, int side, int slot)
{
    static const std::string none;
    return validGeneral(side, slot) ? w.generalName[side][slot] : none;
}

const std::string& countryNameOf(const WorldState& w, int country)
{
    static const std::string none;
    return validSideIndex(country) ? w.countryName[country] : none;
}

void setStatus(WorldState& w, int side, int slot, GeneralStatus status)
{
    if (validGeneral(side, slot))
        w.generalStatus[side][slot] = status;
}

// No further than the rule set's ceiling; one already above it keeps his EP.
void addEP(WorldState& w, const RuleTable& rules, int side, int slot, int32_t amount, TickReport& report)
{
    if (!validGeneral(side, slot))
        return;
    const int32_t before = w.generalEP[side][slot];
    const int64_t sum = int64_t{before} + amount;
    w.generalEP[side][slot] = static_cast<int32_t>(std::max<int64_t>(before, std::min<int64_t>(sum, rules.mostEP)));
    reportPromotion(w, side, slot, before, report);
}

BattleNews newsOf(const WorldState& w, const Battle& b)
{
    return {.country = b.country,
            .attacker = b.attacker,
            .defender = b.defender,
            .attackerGeneral = b.attackerGeneral,
            .defenderGeneral = b.defenderGeneral,
            .attackerGeneralName = nameOf(w, b.attacker, b.attackerGeneral),
            .defenderGeneralName = nameOf(w, b.defender, b.defenderGeneral),
            .attackerEP = epOf(w, b.attacker, b.attackerGeneral),
            .defenderEP = epOf(w, b.defender, b.defenderGeneral)};
}

int16_t saturate16(int64_t value)
{
    return static_cast<int16_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

int32_t saturate32(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// The step that decides a battle carries the winner's score past 100 and
// the loser's below 0; the panels show where it ended, 100 : 0.
int16_t shownScore(int32_t score) { return static_cast<int16_t>(std::clamp(score, 0, 100)); }

// Who fights: a general by his name, "General 3" for one without a name,
// and "ohne General" for a side that fights with the stand-in slot 0 (it had
// none ready, or its general was dismissed mid-battle).
std::string generalLabel(const WorldState& w, int side, int slot)
{
    if (!validSideIndex(side) || slot < 1 || slot > std::min(w.generalCount[side], MaxGenerals))
        return std::string(NoGeneral);
    const std::string& name = nameOf(w, side, slot);
    const bool blank = name.find_first_not_of(' ') == std::string::npos;
    return blank ? "General " + std::to_string(slot) : name;
}

void listForPlayer(WorldState& w, int k)
{
    // The list has 25 places. Battles beyond them (the opponent is not held
    // to the player's limit) are stepped but not listed; they move up into
    // the list as earlier battles end.
    if (w.playerBattleCount >= MaxPlayerBattles)
        return;
    w.playerBattleList[++w.playerBattleCount] = battleEntry(w, k);
}

}  // namespace

PlayerBattleEntry battleEntry(const WorldState& w, int k)
{
    PlayerBattleEntry entry;
    const int attacker = w.battles[k].attacker;
    const int defender = w.battles[k].defender;
    const int attackerGeneral = w.battles[k].attackerGeneral;
    const int defenderGeneral = w.battles[k].defenderGeneral;
    entry.country = countryNameOf(w, w.battles[k].country);
    entry.attackerSide = countryNameOf(w, attacker);
    entry.attackerScore = shownScore(w.battles[k].attackerScore);
    entry.attackerGeneral = generalLabel(w, attacker, attackerGeneral);
    entry.attackerEP = epOf(w, attacker, attackerGeneral);
    entry.defenderSide = countryNameOf(w, defender);
    entry.defenderScore = shownScore(w.battles[k].defenderScore);
    entry.defenderGeneral = generalLabel(w, defender, defenderGeneral);
    entry.defenderEP = epOf(w, defender, defenderGeneral);
    return entry;
}

std::vector<BattleOverviewRow> battleOverview(const WorldState& world)
{
    std::vector<BattleOverviewRow> rows;
    const int count = std::clamp(world.battleCount, 0, MaxBattles);
    for (const bool own : {true, false})
        for (int k = 1; k <= count; ++k)
            if ((world.battles[k].attacker == world.side[0] || world.battles[k].defender == world.side[0]) == own)
                rows.push_back({battleEntry(world, k), own, world.battles[k].country});
    return rows;
}

namespace {

void removeBattle(WorldState& w, int k)
{
    // battleCount has already been lowered: entries k+1..old count move down.
    for (int j = k; j <= w.battleCount; ++j)
        w.battles[j] = w.battles[j + 1];
    w.battles[w.battleCount + 1] = Battle{};
}

// How far the defender's score moves for the draw difference d.
int64_t scoreStep(const RuleTable& rules, int16_t d, int32_t attackerEP, int32_t defenderEP)
{
    const int64_t divisor = int64_t{rules.stepBase} + int64_t{rules.stepPerEP} * std::max(attackerEP, defenderEP);
    return divisor > 0 ? int64_t{d} * rules.stepScale / divisor : 0;
}

// The winner's reward: the rule set's EP, or its share by the loser's EP.
int32_t victoryEP(const RuleTable& rules, int32_t winnerEP, int32_t loserEP)
{
    if (!rules.winEPByLoser || loserEP >= winnerEP)
        return rules.winEP;
    return static_cast<int32_t>(int64_t{rules.winEP} * std::max(loserEP, 0) / std::max(winnerEP, 1));
}

// A computer opponent who lost his home is out: whatever he holds goes to
// the side that took it, and his other battles are broken off without a word
// (the one message says what happened).
void beatSide(WorldState& w, int beaten, int by, TickReport& report)
{
    BeatenNews news{beaten, by, 0};
    for (int i = 1; i <= std::clamp(w.countryCount, 0, MaxCountries); ++i)
        if (w.countryOwner[i] == beaten || i == beaten) {
            news.countries += 1;
            if (w.countryOwner[i] != by)
                w.previousOwner[i] = w.countryOwner[i];
            w.countryOwner[i] = by;
        }
    for (int k = w.battleCount; k >= 1; --k) {
        const Battle& b = w.battles[k];
        if (b.attacker != beaten && b.defender != beaten)
            continue;
        setStatus(w, b.attacker, b.attackerGeneral, Training);
        setStatus(w, b.defender, b.defenderGeneral, Training);
        --w.battleCount;
        removeBattle(w, k);
    }
    w.countryKind[beaten] = KindPassive;
    report.happenings.push_back(Happening::sideBeaten(news));
}

}  // namespace

int64_t battleScoreStep(const RuleTable& rules, int32_t attackerEP, int32_t defenderEP, int r1, int r2)
{
    const int16_t d = saturate16(int64_t{attackerEP} * r1 - int64_t{defenderEP} * r2);
    return scoreStep(rules, d, attackerEP, defenderEP);
}

bool battleStalled(const RuleTable& rules, int32_t attackerEP, int32_t defenderEP)
{
    const int16_t widest = saturate16(int64_t{std::max({attackerEP, defenderEP, 0})} * 4);
    return scoreStep(rules, widest, attackerEP, defenderEP) == 0;
}

int bestGeneral(const WorldState& world, int side)
{
    if (!validSideIndex(side))
        return 0;
    const int count = std::clamp(world.generalCount[side], 0, MaxGenerals);
    int32_t best = 0;
    int result = 0;
    for (int j = 1; j <= count; ++j) {
        const int32_t status = world.generalStatus[side][j];
        if (world.generalEP[side][j] > best && (status == Ready || status == Training)) {
            best = world.generalEP[side][j];
            result = j;
        }
    }
    return result;
}

void battleStep(WorldState& world, RandomSource& random, const RuleTable& rules, TickReport& report)
{
    WorldState& w = world;
    w.battleCount = std::clamp(w.battleCount, 0, MaxBattles);
    const int n = w.battleCount;
    std::vector<std::pair<int, int>> beaten;  // home country, taken by
    for (int k = 1; k <= n && k <= w.battleCount; ++k) {
        const int attacker = w.battles[k].attacker;
        const int defender = w.battles[k].defender;
        const int attackerGeneral = w.battles[k].attackerGeneral;
        const int defenderGeneral = w.battles[k].defenderGeneral;
        const int32_t attackerEP = epOf(w, attacker, attackerGeneral);
        const int32_t defenderEP = epOf(w, defender, defenderGeneral);

        const int r1 = random.draw(5);
        const int r2 = random.draw(5);
        // The difference is held in 16 bits; beyond that range it saturates
        // rather than wraps, so a much stronger side never turns into a loser.
        w.battles[k].defenderScore = saturate32(int64_t{w.battles[k].defenderScore} -
                                                battleScoreStep(rules, attackerEP, defenderEP, r1, r2));
        w.battles[k].attackerScore = saturate32(100 - int64_t{w.battles[k].defenderScore});
        w.battles[k].ticks = saturate32(int64_t{w.battles[k].ticks} + 1);

        if (w.side[0] == attacker || w.side[0] == defender)
            listForPlayer(w, k);

        // A battle that can no longer move, or has run out of time, is broken
        // off: the attack has failed, and nobody earns EP for it.
        const bool brokenOff =
            battleStalled(rules, attackerEP, defenderEP) || w.battles[k].ticks >= rules.battleTickLimit;
        const bool defenderWins = w.battles[k].defenderScore > 100;
        const bool attackerWins = w.battles[k].attackerScore > 100;
        if (!defenderWins && !attackerWins && !brokenOff)
            continue;

        --w.battleCount;
        setStatus(w, attacker, attackerGeneral, Training);
        setStatus(w, defender, defenderGeneral, Training);
        const int country = w.battles[k].country;
        BattleNews news = newsOf(w, w.battles[k]);
        news.winner = attackerWins ? attacker : defender;
        news.formerHolder = validSideIndex(country) ? w.countryOwner[country] : news.winner;
        if (validSideIndex(country)) {
            if (news.formerHolder != news.winner)
                w.previousOwner[country] = news.formerHolder;
            w.countryOwner[country] = news.winner;
            // His own home, taken from him: a computer opponent who is out.
            if (rules.beatenSidesLeave && w.countryKind[country] == KindOpponent && news.formerHolder == country &&
                news.winner != country && validSideIndex(news.winner))
                beaten.push_back({country, news.winner});
        }
        report.happenings.push_back(Happening::ended(news));
        if (defenderWins)
            addEP(w, rules, defender, defenderGeneral, victoryEP(rules, defenderEP, attackerEP), report);
        else if (attackerWins)
            addEP(w, rules, attacker, attackerGeneral, victoryEP(rules, attackerEP, defenderEP), report);
        removeBattle(w, k);
    }
    for (const auto& [side, by] : beaten)
        if (w.countryKind[side] == KindOpponent)
            beatSide(w, side, by, report);
}

int openBattle(WorldState& world, int country, int attacker, int attackerGeneral, int defender, int defenderGeneral,
               TickReport& report, AttackReason reason)
{
    WorldState& w = world;
    if (w.battleCount < 0 || w.battleCount >= MaxBattles)
        return 0;
    if (!validSideIndex(country) || !validGeneral(attacker, attackerGeneral) ||
        !validGeneral(defender, defenderGeneral))
        return 0;
    const int k = ++w.battleCount;
    w.battles[k] = {.country = country,
                    .attacker = attacker,
                    .defender = defender,
                    .attackerGeneral = attackerGeneral,
                    .defenderGeneral = defenderGeneral,
                    .attackerScore = rulesOf(w).openingScore,
                    .defenderScore = 100 - rulesOf(w).openingScore,
                    .ticks = 0};
    w.generalStatus[attacker][attackerGeneral] = InBattle;
    w.generalStatus[defender][defenderGeneral] = InBattle;
    BattleNews news = newsOf(w, w.battles[k]);
    news.reason = reason;
    report.happenings.push_back(Happening::opened(std::move(news)));
    return k;
}

bool countryContested(const WorldState& world, int country)
{
    const int count = std::clamp(world.battleCount, 0, MaxBattles);
    for (int z = 1; z <= count; ++z)
        if (world.battles[z].country == country)
            return true;
    return false;
}

}  // namespace stratagon
