// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader says of a running game while the player's focus is
// elsewhere: the news of a tick made into one short sentence, most urgent
// first, and at most one such sentence in a second of play, so that 4× pace
// is no flood. The player chooses how much he hears ("Ansagen :").

#include "simulation/TickReport.h"
#include "world/Text.h"
#include "world/WorldState.h"

#include <vector>

namespace stratagon {

enum class AnnounceLevel { Off = 0, Important = 1, All = 2 };

// How pressing a piece of news is: an attack on the player or a country of
// his lost comes first, then his own battles and a beaten side, then the rest.
enum class NewsWeight { Urgent = 0, Own = 1, Other = 2 };

// What a piece of news tells; news of one kind about one side is said
// together ("Ägypten greift Botsuana und Simbabwe an!").
enum class NewsKind { AttackOnYou, Lost, Conquered, Failed, Held, YouBeat, Beaten, OtherConquest, Promotions };

struct NewsItem {
    NewsWeight weight = NewsWeight::Other;
    NewsKind kind = NewsKind::Promotions;
    TextArg who;    // the attacker, the conqueror or the side beaten
    TextArg where;  // the country
    int count = 1;  // promotions
};

// The news of a tick, in the order it is said: the attacks on the player
// and the countries he lost, his conquests, his attacks that failed and the
// defences that held, a beaten side, then (only for AnnounceLevel::All) the
// conquests among the others and one count of his generals' promotions.
std::vector<NewsItem> tickNews(const WorldState& world, const TickReport& report, AnnounceLevel level);

// Said with the news when an attack on the player paused the game.
Text pausedOnAttackText();

// True when the tick brought an attack on the player or took a country of his.
bool attackOnPlayer(const WorldState& world, const TickReport& report);

// The ticks that make at least a second of play at the world's pace and month.
int ticksPerSecond(const WorldState& world);

// Collects the news tick by tick and gives it out as one sentence when the
// last one is at least a second of play ago; what waits is said with the next.
class NewsQueue {
public:
    void setLevel(AnnounceLevel level) { level_ = level; }
    AnnounceLevel level() const { return level_; }

    // Takes a tick's news; the sentence to say now, empty when nothing is due.
    Text tick(const WorldState& world, const TickReport& report);
    // Something was said at the player's request (or the end): the next
    // news waits a second from now.
    void spoke() { sinceSpoken_ = 0; }
    // What was just said takes this many ticks to say at the present pace: a
    // screen reader never cuts a notification, so the next one waits for its
    // end instead of piling up behind it; what comes meanwhile is joined.
    void saying(int ticks) { sayingTicks_ = ticks; }
    // A new game, or a loaded one: nothing waits.
    void clear();
    // What still waits for its second, said now: the clock stops, and no
    // tick would bring it while it stands.
    Text takeWaiting();

    // The most groups of news one sentence says; the rest are counted.
    static constexpr std::size_t MostItems = 3;

private:
    AnnounceLevel level_ = AnnounceLevel::Important;
    std::vector<NewsItem> waiting_;
    int sinceSpoken_ = 1 << 20;
    int sayingTicks_ = 0;
};

// The ticks a sentence of `characters` letters takes to say at a screen
// reader's usual rate, at the world's pace.
int ticksToSay(const WorldState& world, int characters);

// The items joined as one sentence, the most pressing first, those of one
// kind and side named together and each country once; beyond MostItems such
// groups the names left out are counted ("Weitere Meldungen: 2.").
Text joinNews(std::vector<NewsItem> items);

}  // namespace stratagon
