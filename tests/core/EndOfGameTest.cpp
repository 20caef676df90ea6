#include "simulation/EndOfGame.h"

#include "WholeGameSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;
using namespace stratagon::test;

TEST(EndOfGame, HoldingEveryCountryWinsWithTheExactText)
{
    auto w = chainWorld(3);
    w->countryOwner[2] = 1;
    w->countryOwner[3] = 1;
    RecordingView view(w.get());
    EXPECT_EQ(endOfGameCheck(*w, view), GameOutcome::Won);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].title, "Gewonnen!");
    EXPECT_EQ(view.messages[0].text,
              "Es ist vollbracht! Deine Generäle haben Afrika unter deiner Kontrolle gebracht."
              "\r\n\r\nDu hast gewonnen!");
    // The player confirms while the game still counts as running; the window
    // is closed after playing has gone false.
    EXPECT_TRUE(view.messages[0].playingWhenShown);
    EXPECT_EQ(view.closed, 1);
    EXPECT_FALSE(view.playingWhenClosed);
    EXPECT_FALSE(w->playing);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"message", "close"}));
}

TEST(EndOfGame, HoldingNothingLosesAlsoWithBattlesRunning)
{
    auto w = chainWorld(3);
    for (int i = 1; i <= 3; ++i)
        w->countryOwner[i] = 2;
    w->battleCount = 1;
    w->battleCountry[1] = 3;
    w->battleAttacker[1] = 1;
    w->battleDefender[1] = 2;
    RecordingView view(w.get());
    EXPECT_EQ(endOfGameCheck(*w, view), GameOutcome::Lost);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].title, "Verloren!");
    EXPECT_EQ(view.messages[0].text,
              "Deine Generäle konnten dich nicht zum Sieg führen! Sie sind kläglich gescheitert! "
              "Afrika kannst du vergessen :-(\r\n\r\nDu hast verloren!");
    EXPECT_EQ(view.closed, 1);
    EXPECT_FALSE(w->playing);
}

TEST(EndOfGame, GameGoesOnWhileTheOutcomeIsOpen)
{
    auto w = chainWorld(4);
    RecordingView view(w.get());
    // The opponent holds nothing any more; passive countries remain.
    w->countryOwner[2] = 1;
    EXPECT_EQ(endOfGameCheck(*w, view), GameOutcome::Running);
    // All but one passive country; the home country lost but a colony held.
    w->countryOwner[3] = 1;
    w->countryOwner[1] = 2;
    EXPECT_EQ(endOfGameCheck(*w, view), GameOutcome::Running);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_TRUE(w->playing);
}

TEST(EndOfGame, MapWithoutCountriesDecidesNothing)
{
    auto w = chainWorld(0);
    RecordingView view(w.get());
    EXPECT_EQ(endOfGameCheck(*w, view), GameOutcome::Running);
    EXPECT_TRUE(view.calls.empty());
}
