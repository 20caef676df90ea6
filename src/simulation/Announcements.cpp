// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Announcements.h"

#include "simulation/Pace.h"
#include "world/Ranks.h"

#include <algorithm>

namespace stratagon {

namespace {

Text message(const char* id, std::vector<TextArg> args = {}) { return {MessagesContext, id, std::move(args)}; }

TextArg nameOf(const WorldState& w, int country)
{
    return TextArg::name(validSideIndex(country) ? w.countryName[country] : std::string());
}

// "A", "A und B", "A, B und C".
TextArg listOf(const std::vector<TextArg>& names)
{
    if (names.size() == 1)
        return names.front();
    std::vector<Text> first;
    for (std::size_t i = 0; i + 1 < names.size(); ++i)
        first.push_back({MessagesContext, "%1", {names[i]}});
    return TextArg::nested(message(QT_TRANSLATE_NOOP("GameMessages", "%1 und %2"),
                                   {TextArg::joined(std::move(first), ", "), names.back()}));
}

Text newsText(NewsKind kind, const TextArg& who, const std::vector<TextArg>& places, int count)
{
    const TextArg where = places.empty() ? TextArg::name({}) : listOf(places);
    switch (kind) {
    case NewsKind::AttackOnYou:
        return message(QT_TRANSLATE_NOOP("GameMessages", "%1 greift %2 an!"), {who, where});
    case NewsKind::Lost:
        return message(QT_TRANSLATE_NOOP("GameMessages", "%1 an %2 verloren."), {where, who});
    case NewsKind::Conquered:
        return message(QT_TRANSLATE_NOOP("GameMessages", "Erobert: %1."), {where});
    case NewsKind::Failed:
        return message(QT_TRANSLATE_NOOP("GameMessages", "Angriff auf %1 gescheitert."), {where});
    case NewsKind::Held:
        return message(QT_TRANSLATE_NOOP("GameMessages", "%1 gehalten."), {where});
    case NewsKind::YouBeat:
        return message(QT_TRANSLATE_NOOP("GameMessages", "Du hast %1 geschlagen."), {where});
    case NewsKind::Beaten:
        return message(QT_TRANSLATE_NOOP("GameMessages", "%1 ist geschlagen."), {where});
    case NewsKind::OtherConquest:
        return message(QT_TRANSLATE_NOOP("GameMessages", "%1 erobert %2."), {who, where});
    case NewsKind::Promotions:
        break;
    }
    return message(QT_TRANSLATE_NOOP("GameMessages", "Beförderungen: %1."), {TextArg::num(count)});
}

}  // namespace

std::vector<NewsItem> tickNews(const WorldState& w, const TickReport& report, AnnounceLevel level)
{
    std::vector<NewsItem> items;
    if (level == AnnounceLevel::Off)
        return items;
    const int player = w.side[0];
    int promotions = 0;
    // Names are looked up only for what is said: `who` 0 for no side.
    const auto add = [&](NewsWeight weight, NewsKind kind, int who, int where) {
        if (weight != NewsWeight::Other || level == AnnounceLevel::All)
            items.push_back({weight, kind, who ? nameOf(w, who) : TextArg{}, nameOf(w, where), 1});
    };
    for (const Happening& h : report.happenings) {
        const BattleNews& b = h.battle;
        switch (h.kind) {
        case Happening::Kind::BattleOpened:
            if (b.defender == player && b.attacker != player)
                add(NewsWeight::Urgent, NewsKind::AttackOnYou, b.attacker, b.country);
            break;
        case Happening::Kind::BattleEnded:
            if (b.attacker == player && b.winner == player)
                add(NewsWeight::Own, NewsKind::Conquered, 0, b.country);
            else if (b.attacker == player)
                add(NewsWeight::Own, NewsKind::Failed, 0, b.country);
            else if (b.defender == player && b.winner == player)
                add(NewsWeight::Own, NewsKind::Held, 0, b.country);
            else if (b.defender == player)
                add(NewsWeight::Urgent, NewsKind::Lost, b.attacker, b.country);
            else if (b.winner == b.attacker)
                add(NewsWeight::Other, NewsKind::OtherConquest, b.attacker, b.country);
            break;
        case Happening::Kind::SideBeaten:
            add(NewsWeight::Own, h.beaten.by == player ? NewsKind::YouBeat : NewsKind::Beaten, 0, h.beaten.side);
            break;
        case Happening::Kind::Promotion:
            if (h.promotion.side == player && rankLevel(h.promotion.epBefore) != rankLevel(h.promotion.epAfter))
                ++promotions;
            break;
        }
    }
    if (promotions > 0 && level == AnnounceLevel::All)
        items.push_back({NewsWeight::Other, NewsKind::Promotions, {}, {}, promotions});
    return items;
}

Text pausedOnAttackText() { return message(QT_TRANSLATE_NOOP("GameMessages", "Spiel angehalten.")); }

bool attackOnPlayer(const WorldState& w, const TickReport& report)
{
    const int player = w.side[0];
    return std::any_of(report.happenings.begin(), report.happenings.end(), [player](const Happening& h) {
        const BattleNews& b = h.battle;
        if (h.kind == Happening::Kind::BattleOpened)
            return b.defender == player && b.attacker != player;
        return h.kind == Happening::Kind::BattleEnded && b.defender == player && b.winner != player;
    });
}

int ticksPerSecond(const WorldState& world)
{
    const int period = std::max(tickPeriodMs(world), 1);
    return std::max((1000 + period - 1) / period, 1);
}

int ticksToSay(const WorldState& world, int characters)
{
    // Orca speaks about fifteen letters a second at its usual rate.
    constexpr int LettersPerSecond = 15;
    const int period = std::max(tickPeriodMs(world), 1);
    const int ms = std::max(characters, 0) * 1000 / LettersPerSecond;
    return (ms + period - 1) / period;
}

Text joinNews(std::vector<NewsItem> items)
{
    std::stable_sort(items.begin(), items.end(),
                     [](const NewsItem& a, const NewsItem& b) { return a.weight < b.weight; });
    struct Group {
        NewsKind kind;
        TextArg who;
        std::vector<TextArg> places;
        int count = 0;
    };
    std::vector<Group> groups;
    for (NewsItem& item : items) {
        // Two sides beaten are two sentences: "ist" would not fit both.
        const bool alone = item.kind == NewsKind::Beaten;
        auto group = std::find_if(groups.begin(), groups.end(), [&](const Group& g) {
            return !alone && g.kind == item.kind && g.who == item.who;
        });
        if (group == groups.end()) {
            groups.push_back({item.kind, item.who, {}, 0});
            group = groups.end() - 1;
        }
        group->count += item.count;
        if (item.kind != NewsKind::Promotions &&
            std::find(group->places.begin(), group->places.end(), item.where) == group->places.end())
            group->places.push_back(std::move(item.where));
    }
    std::vector<Text> parts;
    int64_t leftOut = 0;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const Group& g = groups[i];
        if (i < NewsQueue::MostItems)
            parts.push_back(newsText(g.kind, g.who, g.places, g.count));
        else
            leftOut += g.kind == NewsKind::Promotions ? 1 : static_cast<int64_t>(g.places.size());
    }
    if (leftOut > 0)
        parts.push_back(message(QT_TRANSLATE_NOOP("GameMessages", "Weitere Meldungen: %1."), {TextArg::num(leftOut)}));
    if (parts.empty())
        return {};
    if (parts.size() == 1)
        return parts.front();
    return sentences(std::move(parts));
}

Text NewsQueue::tick(const WorldState& world, const TickReport& report)
{
    if (sinceSpoken_ < (1 << 20))
        ++sinceSpoken_;
    if (level_ == AnnounceLevel::Off || report.outcome != GameOutcome::Running) {
        // The end of the game is said by itself, and says it all.
        waiting_.clear();
        return {};
    }
    for (NewsItem& item : tickNews(world, report, level_))
        waiting_.push_back(std::move(item));
    if (waiting_.empty() || sinceSpoken_ < std::max(ticksPerSecond(world), sayingTicks_))
        return {};
    sinceSpoken_ = 0;
    sayingTicks_ = 0;
    Text sentence = joinNews(std::move(waiting_));
    waiting_.clear();
    return sentence;
}

Text NewsQueue::takeWaiting()
{
    if (waiting_.empty())
        return {};
    sinceSpoken_ = 0;
    Text sentence = joinNews(std::move(waiting_));
    waiting_.clear();
    return sentence;
}

void NewsQueue::clear()
{
    waiting_.clear();
    sayingTicks_ = 0;
    sinceSpoken_ = 1 << 20;
}

}  // namespace stratagon
