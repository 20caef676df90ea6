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

}  // namespace

std::vector<NewsItem> tickNews(const WorldState& w, const TickReport& report, AnnounceLevel level)
{
    std::vector<NewsItem> items;
    if (level == AnnounceLevel::Off)
        return items;
    const int player = w.side[0];
    int promotions = 0;
    const auto add = [&](NewsWeight weight, Text text) {
        if (weight != NewsWeight::Other || level == AnnounceLevel::All)
            items.push_back({weight, std::move(text)});
    };
    for (const Happening& h : report.happenings) {
        const BattleNews& b = h.battle;
        switch (h.kind) {
        case Happening::Kind::BattleOpened:
            if (b.defender == player && b.attacker != player)
                add(NewsWeight::Urgent, message(QT_TRANSLATE_NOOP("GameMessages", "%1 greift %2 an!"),
                                                {nameOf(w, b.attacker), nameOf(w, b.country)}));
            break;
        case Happening::Kind::BattleEnded:
            if (b.attacker == player && b.winner == player)
                add(NewsWeight::Own, message(QT_TRANSLATE_NOOP("GameMessages", "Erobert: %1."), {nameOf(w, b.country)}));
            else if (b.attacker == player)
                add(NewsWeight::Own, message(QT_TRANSLATE_NOOP("GameMessages", "Angriff auf %1 gescheitert."),
                                             {nameOf(w, b.country)}));
            else if (b.defender == player && b.winner == player)
                add(NewsWeight::Own, message(QT_TRANSLATE_NOOP("GameMessages", "%1 gehalten."), {nameOf(w, b.country)}));
            else if (b.defender == player)
                add(NewsWeight::Urgent, message(QT_TRANSLATE_NOOP("GameMessages", "%1 an %2 verloren."),
                                                {nameOf(w, b.country), nameOf(w, b.attacker)}));
            else if (b.winner == b.attacker)
                add(NewsWeight::Other, message(QT_TRANSLATE_NOOP("GameMessages", "%1 erobert %2."),
                                               {nameOf(w, b.attacker), nameOf(w, b.country)}));
            break;
        case Happening::Kind::SideBeaten:
            if (h.beaten.by == player)
                add(NewsWeight::Own, message(QT_TRANSLATE_NOOP("GameMessages", "Du hast %1 geschlagen."),
                                             {nameOf(w, h.beaten.side)}));
            else
                add(NewsWeight::Own, message(QT_TRANSLATE_NOOP("GameMessages", "%1 ist geschlagen."),
                                             {nameOf(w, h.beaten.side)}));
            break;
        case Happening::Kind::Promotion:
            if (h.promotion.side == player && rankLevel(h.promotion.epBefore) != rankLevel(h.promotion.epAfter))
                ++promotions;
            break;
        }
    }
    if (promotions > 0)
        add(NewsWeight::Other, message(QT_TRANSLATE_NOOP("GameMessages", "Beförderungen: %1."), {TextArg::num(promotions)}));
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
    std::vector<Text> parts;
    for (std::size_t i = 0; i < std::min(items.size(), NewsQueue::MostItems); ++i)
        parts.push_back(std::move(items[i].text));
    if (items.size() > NewsQueue::MostItems)
        parts.push_back(message(QT_TRANSLATE_NOOP("GameMessages", "Weitere Meldungen: %1."),
                                {TextArg::num(int64_t(items.size() - NewsQueue::MostItems))}));
    if (parts.empty())
        return {};
    if (parts.size() == 1)
        return parts.front();
    return {MessagesContext, "%1", {TextArg::joined(std::move(parts), " ")}};
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
