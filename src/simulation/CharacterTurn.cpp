// SPDX-License-Identifier: GPL-3.0-or-later
// The computer opponents with a character. They share one way of deciding:
// keep some generals home, train the idle ones, and for each attack pick a
// target and the general to send, judging each by the battle's exact odds.
// Their characters differ in which targets they want and how sure they must
// be; their strength in how well they decide.

#include "simulation/Battle.h"
#include "simulation/Character.h"
#include "simulation/Odds.h"
#include "simulation/Opponent.h"
#include "world/Rules.h"

#include <algorithm>
#include <array>
#include <vector>

namespace stratagon {

namespace {

constexpr int Skills = 5;

// What makes a character, by skill ("Sehr Leicht" .. "Irrsinnig").
struct Style {
    // A turn on a draw of 0 in 0..divisor - 1.
    std::array<int, Skills> turnDivisor;
    // The least chance he attacks with; below 0 a beginner who only asks
    // whether his general has more EP than the defender.
    std::array<double, Skills> leastChance;
    // Free generals kept home: he sends nobody while he has no more.
    std::array<int, Skills> keptHome;
    // Fights beside his plan in one turn.
    int asides = 1;
};

// The same strength is about as hard against each: the Eroberer, whose land
// trains his generals fastest, acts least often; the Stratege and the
// Wächter, who fight the player sooner, must be surer from "Mittel" on. The
// Stratege takes two countries a turn on his way to the leader: with one,
// the wide maps left him far behind the others.
constexpr Style ConquerorStyle{{32, 9, 7, 5, 2}, {-1, 0.45, 0.55, 0.6, 0.6}, {0, 0, 1, 1, 1}};
constexpr Style GuardianStyle{{48, 6, 3, 2, 2}, {-1, 0.3, 0.45, 0.5, 0.5}, {0, 1, 2, 2, 3}};
constexpr Style StrategistStyle{{48, 6, 4, 2, 2}, {-1, 0.35, 0.5, 0.5, 0.5}, {0, 0, 1, 2, 2}, 2};

const Style& styleOf(int character)
{
    switch (character) {
    case CharacterGuardian:
        return GuardianStyle;
    case CharacterStrategist:
        return StrategistStyle;
    default:
        return ConquerorStyle;
    }
}

// A turn never opens more battles than this: his generals are few anyway.
constexpr int MostAttacksPerTurn = 12;

struct Target {
    int country = 0;
    int holder = 0;
    int contacts = 0;  // his countries it borders
    bool nearHome = false;  // it borders his home country
};

// Every country within his reach: a neighbour of one he holds, not his own,
// held by some side; each once, in map order.
std::vector<Target> targetsOf(const WorldState& w, int v)
{
    std::vector<Target> targets;
    std::array<bool, MaxCountries + 1> seen{};
    const int countries = std::clamp(w.countryCount, 0, MaxCountries);
    for (int x = 1; x <= countries; ++x) {
        if (w.countryOwner[x] != v)
            continue;
        for (int y = 1; y <= std::clamp(w.neighbourCount[x], 0, MaxNeighbours); ++y) {
            const int t = neighbourIndex(w, x, y);
            if (t < 1 || w.countryOwner[t] == v || !validSideIndex(w.countryOwner[t]))
                continue;
            if (!seen[static_cast<std::size_t>(t)]) {
                seen[static_cast<std::size_t>(t)] = true;
                targets.push_back({t, w.countryOwner[t], 0, false});
            }
            auto found = std::find_if(targets.begin(), targets.end(), [t](const Target& k) { return k.country == t; });
            ++found->contacts;
            found->nearHome = found->nearHome || x == v;
        }
    }
    return targets;
}

int heldBy(const WorldState& w, int side)
{
    int held = 0;
    for (int i = 1; i <= std::clamp(w.countryCount, 0, MaxCountries); ++i)
        held += w.countryOwner[i] == side;
    return held;
}

// The side in play, other than v, holding the most countries; 0 for none.
int leaderBesides(const WorldState& w, int v)
{
    int leader = 0;
    int most = 0;
    for (int s = 0; s <= std::clamp(w.sideMax, 0, 9); ++s) {
        const int side = w.side[static_cast<std::size_t>(s)];
        if (side == v || !validSideIndex(side))
            continue;
        if (const int held = heldBy(w, side); held > most)
            leader = side, most = held;
    }
    return leader;
}

bool attacking(const WorldState& w, int attacker, int defender)
{
    for (int k = 1; k <= std::clamp(w.battleCount, 0, MaxBattles); ++k)
        if (w.battles[k].attacker == attacker && w.battles[k].defender == defender)
            return true;
    return false;
}

class CharacterOpponent final : public OpponentStrategy {
public:
    explicit CharacterOpponent(int character) : character_(character), style_(styleOf(character)) {}

    void play(const WorldState& world, RandomSource& random, int side, const OrderSink& give) const override
    {
        const RuleTable& rules = rulesOf(world);
        if (world.generalCount[side] < std::min(rules.opponentRosterSize, MaxGenerals))
            give(Order::recruit(side, pickOpponentName(world, random, side)));
        const int skill = strengthStep(world.aiDivisor);
        if (random.draw(style_.turnDivisor[static_cast<std::size_t>(skill)]) == 0)
            turn(world, side, skill, give);
    }

private:
    struct Choice {
        int target = 0;
        int general = 0;
        AttackReason reason = AttackReason::None;
        // Higher first: the character's preference, then the weaker defence.
        int rank = -1;
        double margin = 0;
        // A fight beside his plan: only so many a turn.
        bool aside = false;
        // Worth sending one of the generals he keeps home.
        bool homeGuard = false;
        // An even fight between two sides at the ceiling: one a turn.
        bool even = false;
        int32_t defence = 0;
    };

    void turn(const WorldState& w, int v, int skill, const OrderSink& give) const
    {
        const int count = std::clamp(w.generalCount[v], 0, MaxGenerals);
        // A beginner leaves his idle generals idle.
        if (skill > 0)
            for (int j = 1; j <= count; ++j)
                if (w.generalStatus[v][j] == Ready)
                    give(Order::setTask(v, j, Training));

        const std::vector<Target> targets = targetsOf(w, v);
        const int leader = leaderBesides(w, v);
        const bool bordersLeader =
            std::any_of(targets.begin(), targets.end(), [leader](const Target& t) { return t.holder == leader; });
        const RuleTable& rules = rulesOf(w);
        int asides = 0;
        int evens = 0;
        for (int attacks = 0; attacks < MostAttacksPerTurn; ++attacks) {
            // His free generals, strongest first.
            std::vector<int> free;
            for (int j = 1; j <= count; ++j)
                if (w.generalStatus[v][j] != InBattle && w.generalEP[v][j] > 0)
                    free.push_back(j);
            std::stable_sort(free.begin(), free.end(),
                             [&](int a, int b) { return w.generalEP[v][a] > w.generalEP[v][b]; });
            // Whoever goes, this many stay free to defend his land; only his
            // own land lost is worth one of them.
            const int kept = style_.keptHome[static_cast<std::size_t>(skill)];
            const bool spare = static_cast<int>(free.size()) > kept;
            if (free.empty())
                return;

            Choice best;
            for (const Target& t : targets) {
                if (w.countryOwner[t.country] != t.holder || countryContested(w, t.country))
                    continue;
                const int32_t defence = w.generalEP[t.holder][bestGeneral(w, t.holder)];
                Choice c = judge(w, v, t, defence, leader, bordersLeader);
                if (c.rank < 0 || (c.rank < best.rank || (c.rank == best.rank && defence >= best.defence)) ||
                    (c.aside && asides >= style_.asides) || (!spare && !c.homeGuard))
                    continue;
                // When his best and the defender are both at the ceiling,
                // waiting makes neither stronger: he takes the even fight's
                // odds once a turn, or the stand-off would last for ever.
                c.even = defence >= rules.mostEP && w.generalEP[v][free.front()] >= rules.mostEP;
                if (c.even && evens > 0)
                    continue;
                const double least =
                    c.even ? attackChance(rules, rules.mostEP, rules.mostEP) : leastChance(skill, c.margin);
                c.general = pick(w, v, rules, free, defence, least, skill);
                if (c.general == 0)
                    continue;
                c.defence = defence;
                best = c;
            }
            if (best.general == 0 || !give(Order::attack(v, best.general, best.target, best.reason)))
                return;
            asides += best.aside;
            evens += best.even;
        }
    }

    // What he makes of a target: his reason to attack it, how much he wants
    // it (rank below 0: he leaves it alone), and how much surer than his
    // skill's least chance he must be.
    Choice judge(const WorldState& w, int v, const Target& t, int32_t defence, int leader, bool bordersLeader) const
    {
        Choice c;
        c.target = t.country;
        const AttackReason plain = defence <= 0 ? AttackReason::NoDefender : AttackReason::WeakestNeighbour;
        const bool passive = w.countryKind[t.holder] == KindPassive;
        c.reason = plain, c.rank = 0;
        switch (character_) {
        case CharacterGuardian:
            // His own land first, then who attacks him, then the sides at
            // his borders; the neutral land only when it is his for the taking.
            if (w.previousOwner[t.country] == v)
                c.reason = AttackReason::Retake, c.rank = 3, c.margin = -0.15, c.homeGuard = true;
            else if (attacking(w, t.holder, v))
                c.reason = AttackReason::CounterAttack, c.rank = 2;
            else if (!passive && heldBy(w, t.holder) >= heldBy(w, v))
                c.rank = -1;  // no war with a side his size or larger that leaves him alone
            else if (t.contacts >= 2 || t.nearHome)
                c.rank = 1;
            else
                c.margin = 0.2, c.aside = true;  // beyond his borders
            break;
        case CharacterStrategist:
            // The leader where his defence is weak; other land only on the
            // way to him, when it can hardly be lost, two countries a turn.
            if (t.holder == leader && leader != 0)
                c.reason = AttackReason::LeaderWeakPoint, c.rank = 1, c.margin = -0.1;
            else
                c.margin = bordersLeader ? 0.45 : 0.35, c.aside = true;
            break;
        default:
            // New land before anything else.
            c.rank = passive ? 1 : 0;
            break;
        }
        return c;
    }

    double leastChance(int skill, double margin) const
    {
        // Never below an even chance once he judges by the odds at all
        // (from "Schwer" on); below that a skilled one may take a risk.
        const double least = style_.leastChance[static_cast<std::size_t>(skill)];
        if (least < 0)
            return least;
        return std::clamp(least + margin, skill >= 3 ? 0.5 : 0.3, 0.97);
    }

    // The general to send: a beginner sends his best; a skilled opponent
    // the weakest one sure enough to win, so the stronger stay for later.
    static int pick(const WorldState& w, int v, const RuleTable& rules, const std::vector<int>& sendable,
                    int32_t defence, double least, int skill)
    {
        if (sendable.empty())
            return 0;
        const int strongest = sendable.front();
        if (least < 0)
            return w.generalEP[v][strongest] > defence ? strongest : 0;
        if (attackChance(rules, w.generalEP[v][strongest], defence) < least)
            return 0;
        if (skill <= 1)
            return strongest;
        // The chance grows with the attacker's EP: halve the strongest-first
        // list down to the last one still sure enough.
        std::size_t good = 0;
        std::size_t bad = sendable.size();
        while (bad - good > 1) {
            const std::size_t mid = (good + bad) / 2;
            if (attackChance(rules, w.generalEP[v][sendable[mid]], defence) >= least)
                good = mid;
            else
                bad = mid;
        }
        return sendable[good];
    }

    int character_;
    const Style& style_;
};

}  // namespace

const OpponentStrategy& strategyOf(int character)
{
    static const StandardOpponent standard;
    static const CharacterOpponent conqueror(CharacterConqueror);
    static const CharacterOpponent guardian(CharacterGuardian);
    static const CharacterOpponent strategist(CharacterStrategist);
    switch (character) {
    case CharacterConqueror:
        return conqueror;
    case CharacterGuardian:
        return guardian;
    case CharacterStrategist:
        return strategist;
    default:
        return standard;
    }
}

}  // namespace stratagon
