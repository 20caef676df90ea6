// SPDX-License-Identifier: GPL-3.0-or-later
// What a player hears of the game without looking: a tick's news as one
// sentence, spaced out at any pace, and the situation on demand.

#include "CoreTestSupport.h"

#include "simulation/Announcements.h"
#include "simulation/Situation.h"

using namespace stratagon;
using namespace stratagon::test;

namespace {

BattleNews news(int country, int attacker, int defender, int winner = 0)
{
    BattleNews b;
    b.country = country, b.attacker = attacker, b.defender = defender, b.winner = winner;
    return b;
}

PromotionNews promotion(int side, int32_t before, int32_t after)
{
    PromotionNews p;
    p.side = side, p.slot = 1, p.epBefore = before, p.epAfter = after, p.name = "Bakari";
    return p;
}

// A busy tick for the player C1: C2 takes C3 from him, he takes C4, C5 falls
// to C2 elsewhere, C2 attacks C6 of his, and two of his generals rise.
TickReport busyTick()
{
    TickReport r;
    r.happenings = {Happening::ended(news(4, 1, 4, 1)),         Happening::ended(news(5, 2, 5, 2)),
                    Happening::promoted(promotion(1, 0, 1000)), Happening::ended(news(3, 2, 1, 2)),
                    Happening::opened(news(6, 2, 1)),           Happening::promoted(promotion(1, 0, 1000))};
    return r;
}

std::string said(const Text& text) { return germanText(text); }

}  // namespace

TEST(Heard, ATicksNewsIsOneSentenceMostUrgentFirstAndOnlyWhatTheLevelAsks)
{
    auto w = chainWorld(6);
    const TickReport tick = busyTick();
    EXPECT_TRUE(tickNews(*w, tick, AnnounceLevel::Off).empty());
    // The attack on him and his loss first, then his conquest; promotions and
    // the others' conquests only for "Alle", counted, after the rest.
    EXPECT_EQ(said(joinNews(tickNews(*w, tick, AnnounceLevel::Important))),
              "C3 an C2 verloren. C2 greift C6 an! Erobert: C4.");
    EXPECT_EQ(said(joinNews(tickNews(*w, tick, AnnounceLevel::All))),
              "C3 an C2 verloren. C2 greift C6 an! Erobert: C4. Weitere Meldungen: 2.");
    std::vector<NewsItem> others;
    for (NewsItem& item : tickNews(*w, busyTick(), AnnounceLevel::All))
        if (item.weight == NewsWeight::Other)
            others.push_back(item);
    EXPECT_EQ(said(joinNews(others)), "C2 erobert C5. Beförderungen: 2.");

    // Whether the game stops for it: attacked or a country lost, not his own battles.
    EXPECT_TRUE(attackOnPlayer(*w, tick));
    TickReport own;
    own.happenings = {Happening::ended(news(4, 1, 4, 4)), Happening::opened(news(5, 2, 5))};
    EXPECT_FALSE(attackOnPlayer(*w, own));
    EXPECT_EQ(said(joinNews(tickNews(*w, own, AnnounceLevel::Important))), "Angriff auf C4 gescheitert.");
}

TEST(Heard, NewsOfOneKindAndSideIsSaidTogetherEachCountryOnce)
{
    auto w = chainWorld(6);
    TickReport war;
    war.happenings = {Happening::opened(news(3, 2, 1)),     Happening::ended(news(5, 2, 1, 1)),
                      Happening::opened(news(5, 2, 1)),     Happening::opened(news(6, 4, 1)),
                      Happening::opened(news(3, 2, 1)),     Happening::ended(news(6, 2, 1, 1)),
                      Happening::opened(news(4, 2, 1)),     Happening::ended(news(2, 1, 2, 1)),
                      Happening::sideBeaten({2, 1})};
    EXPECT_EQ(said(joinNews(tickNews(*w, war, AnnounceLevel::Important))),
              "C2 greift C3, C5 und C4 an! C4 greift C6 an! C5 und C6 gehalten. Weitere Meldungen: 2.");
    std::vector<NewsItem> own;
    for (NewsItem& item : tickNews(*w, war, AnnounceLevel::Important))
        if (item.weight == NewsWeight::Own)
            own.push_back(item);
    EXPECT_EQ(said(joinNews(own)), "C5 und C6 gehalten. Erobert: C2. Du hast C2 geschlagen.");
}

TEST(Heard, AtFourTimesThePaceNewsComesAtMostOnceASecondAndNothingIsLost)
{
    auto w = chainWorld(6);
    w->monthInterval = 2500, w->paceStep = 3;  // 156 ms a tick
    ASSERT_EQ(ticksPerSecond(*w), 7);
    NewsQueue queue;
    TickReport conquest;
    conquest.happenings = {Happening::ended(news(4, 1, 4, 1))};
    std::vector<int> saidAt;
    std::string last;
    for (int t = 0; t < 15; ++t) {
        const Text sentence = queue.tick(*w, conquest);
        if (!sentence.empty())
            saidAt.push_back(t), last = said(sentence);
    }
    // At once, then every seventh tick with what waited: never sooner than a
    // second after the last, never later than a second after its tick.
    EXPECT_EQ(saidAt, (std::vector<int>{0, 7, 14}));
    EXPECT_EQ(last, "Erobert: C4.");

    // Something said at the player's asking counts too; what waits then is
    // said when the clock stops, and only once.
    queue.spoke();
    EXPECT_TRUE(queue.tick(*w, conquest).empty());
    EXPECT_EQ(said(queue.takeWaiting()), "Erobert: C4.");
    EXPECT_TRUE(queue.takeWaiting().empty());
    // The end says it all.
    TickReport end = conquest;
    end.outcome = GameOutcome::Won;
    EXPECT_TRUE(queue.tick(*w, end).empty());
    queue.clear();
    EXPECT_TRUE(queue.tick(*w, TickReport{}).empty());
    queue.setLevel(AnnounceLevel::Off);
    EXPECT_TRUE(queue.tick(*w, conquest).empty());

    // At the slowest pace and the longest month a tick is more than a second.
    w->monthInterval = 20000, w->paceStep = 0;
    EXPECT_EQ(ticksPerSecond(*w), 1);
}

TEST(Heard, ALongSentenceHoldsTheNextUntilItIsSaidAndWhatCameMeanwhileIsJoined)
{
    auto w = chainWorld(6);
    w->monthInterval = 2500, w->paceStep = 3;  // 156 ms a tick
    // 60 letters take 4 s to say: 26 ticks at this pace.
    EXPECT_EQ(ticksToSay(*w, 60), 26);
    NewsQueue queue;
    TickReport conquest;
    conquest.happenings = {Happening::ended(news(4, 1, 4, 1))};
    std::vector<int> saidAt;
    std::string last;
    for (int t = 0; t < 40; ++t) {
        const Text sentence = queue.tick(*w, conquest);
        if (sentence.empty())
            continue;
        saidAt.push_back(t), last = said(sentence);
        queue.saying(t == 0 ? ticksToSay(*w, 60) : 0);
    }
    EXPECT_EQ(saidAt, (std::vector<int>{0, 26, 33}));
    EXPECT_EQ(last, "Erobert: C4.");
}

TEST(Heard, TheSituationSaysDateCountriesBattlesAttacksGeneralsAndPace)
{
    auto w = chainWorld(6);
    w->month = 3, w->year = 2004, w->monthInterval = 2500;
    w->countryOwner[2] = w->countryOwner[3] = 1;  // C1..C3 his; C2 is also the opponent's home
    w->side[1] = 4;
    addGeneral(*w, 1, "Bakari", 20);
    addGeneral(*w, 1, "Tendai", 20, InBattle);
    addGeneral(*w, 1, "Sipho", 20, Training);
    w->battleCount = 2;
    w->battles[1] = {3, 4, 1, 0, 0, 30, 70, 1};
    w->battles[2] = {5, 1, 5, 2, 0, 30, 70, 1};
    EXPECT_EQ(said(situationText(*w, true)), "März 2004. Deine Länder: 3 von 6. Schlachten: 2, deine: 2. C4 greift "
                                             "C3 an. Freie Generäle: 2. Tempo 1×, Spiel läuft.");
    w->battleCount = 0;
    w->playing = false;
    EXPECT_EQ(said(situationText(*w, false)), "März 2004. Deine Länder: 3 von 6. Schlachten: 0, deine: 0. Kein "
                                              "Angriff auf dich. Freie Generäle: 2. Das Spiel ist vorbei.");
}

TEST(Heard, TheKeysJumpToAttackedCountriesInTurnAndToTheBestChanceFirst)
{
    auto w = chainWorld(6);
    w->countryOwner[2] = w->countryOwner[3] = 1;
    w->battleCount = 2;
    w->battles[1] = {3, 4, 1, 0, 0, 30, 70, 1};
    w->battles[2] = {2, 5, 1, 0, 0, 30, 70, 1};
    EXPECT_EQ(attackedCountries(*w), (std::vector<int>{2, 3}));
    EXPECT_EQ(nextInList(attackedCountries(*w), 1), 2);
    EXPECT_EQ(nextInList(attackedCountries(*w), 2), 3);
    EXPECT_EQ(nextInList(attackedCountries(*w), 3), 2);
    EXPECT_EQ(nextInList({}, 3), 0);

    // C4 is his only neighbour; with C5 his, C6 is one too, weaker: the surer one first.
    w->battleCount = 0;
    addGeneral(*w, 1, "Bakari", 40);
    addGeneral(*w, 4, "Stark", 200);
    addGeneral(*w, 6, "Schwach", 5);
    EXPECT_EQ(attackableCountries(*w), (std::vector<int>{4}));
    w->countryOwner[5] = 1;
    EXPECT_EQ(attackableCountries(*w), (std::vector<int>{6, 4}));
    EXPECT_EQ(nextInList(attackableCountries(*w), 6), 4);
    // Once he fights over C6 the key passes it by.
    w->battleCount = 1;
    w->battles[1] = {6, 1, 1, 6, 1, 50, 50, 1};
    EXPECT_EQ(attackableCountries(*w), (std::vector<int>{4}));
}
