// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a map that reads well makes a game: one case per rule of the check,
// the cut bitmap, and the game's start refusing what the check finds.

#include "simulation/Setup.h"
#include "world/MapLoader.h"
#include "world/Playability.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace stratagon;
using namespace stratagon::test;

namespace {

constexpr Rgb Border = 0x000000, Sea = 0xC08040, ColourA = 0x80C0E0, ColourB = 0x90E0A0, ColourC = 0xD0A0C0;

// Six columns, two rows: A | B B | C C C over a row of sea. One-pixel border
// lines close every country: under the first row and between the countries.
struct TestPicture : MapPicture {
    int w = 6 * GridCellPixels, h = 2 * GridCellPixels;
    std::string cut;
    int width() const override { return w; }
    int height() const override { return h; }
    Rgb colourAt(int x, int y) const override
    {
        if (y == 16 || ((x == 16 || x == 50) && y < 16))
            return Border;
        if (y > 16)
            return Sea;
        return x < 16 ? ColourA : x < 50 ? ColourB : ColourC;
    }
    Text problem() const override { return cut.empty() ? Text() : Text::verbatim(cut); }
};

std::unique_ptr<WorldState> playableWorld()
{
    auto w = std::make_unique<WorldState>();
    w->countryCount = 3, w->gridColumns = 6, w->gridRows = 2, w->defaultSideCode = "A";
    const char* names[] = {"", "Arland", "Bergen", "Cimmerien"};
    const int seeds[] = {0, 5, 30, 80};
    for (int i = 1; i <= 3; ++i) {
        w->countryName[i] = names[i], w->countryCode[i] = std::string(1, char('A' + i - 1));
        w->fillX[i] = seeds[i], w->fillY[i] = 5;
    }
    w->neighbourCount[1] = 1, w->neighbourName[1][1] = "Bergen";
    w->neighbourCount[2] = 2, w->neighbourName[2][1] = "Arland", w->neighbourName[2][2] = "Cimmerien";
    w->neighbourCount[3] = 1, w->neighbourName[3][1] = "Bergen";
    const std::string rows[] = {"ABBCCC", "......"};
    for (int row = 1; row <= 2; ++row)
        for (int col = 1; col <= 6; ++col)
            w->gridCell[col][row] = rows[row - 1][std::size_t(col - 1)];
    return w;
}

std::vector<std::string> german(const std::vector<Text>& texts)
{
    std::vector<std::string> out;
    for (const Text& t : texts)
        out.push_back(germanText(t));
    return out;
}

}  // namespace

TEST(Playability, EachRuleFindsItsFaultAndOnlyIt)
{
    const struct {
        const char* rule;
        std::function<void(WorldState&, TestPicture&)> spoil;
        std::vector<std::string> findings;
    } cases[] = {
        {"playable", [](WorldState&, TestPicture&) {}, {}},
        {"last cells cut", [](WorldState&, TestPicture& p) { p.w = 5 * 17 + 1, p.h = 17 + 1; }, {}},
        {"no country", [](WorldState& w, TestPicture&) { w.countryCount = 0; }, {"Die Karte enthält kein Land."}},
        {"default side",
         [](WorldState& w, TestPicture&) { w.defaultSideCode = "Q"; },
         {"Das Kürzel des Startlandes „Q“ gehört zu keinem Land der Karte."}},
        {"codes unique",
         [](WorldState& w, TestPicture&) { w.countryCode[3] = "B"; },
         // The grid's B cells now stand for the last country of the code.
         {"„Bergen“ und „Cimmerien“ haben dasselbe Kürzel „B“.",
          "Der Startpunkt (80, 5) von „Cimmerien“ liegt auf einer Fläche (Farbe #C0A0D0), die kein Feld des Landes "
          "im Raster berührt."}},
        {"neighbours",
         [](WorldState& w, TestPicture&) { w.neighbourName[2][2] = "Atlantis"; },
         {"Der Nachbar „Atlantis“ von „Bergen“ ist kein Land der Karte."}},
        {"a cell each",
         [](WorldState& w, TestPicture&) { w.gridCell[1][1] = 'B'; },
         {"„Arland“ hat kein Feld im Raster: du könntest es nie anklicken und nie erobern."}},
        {"picture size",
         [](WorldState&, TestPicture& p) { p.w = 5 * 17; },
         {"Das Kartenbild ist 85 × 34 Bildpunkte groß; zum Raster von 6 × 2 Feldern zu 17 Bildpunkten passen "
          "86 bis 102 × 18 bis 34."}},
        {"seed inside",
         [](WorldState& w, TestPicture&) { w.fillY[3] = 34; },
         {"Der Startpunkt (80, 34) von „Cimmerien“ liegt außerhalb des Kartenbilds (102 × 34)."}},
        {"seed on a border line",
         [](WorldState& w, TestPicture&) { w.fillX[1] = 16; },
         {"Der Startpunkt (16, 5) von „Arland“ liegt auf einer Fläche (Farbe #000000), die weit über das Land "
          "hinausreicht: eine Grenzlinie oder das Meer?"}},
        {"seed in the sea",
         [](WorldState& w, TestPicture&) { w.fillY[3] = 30; },
         {"Der Startpunkt (80, 30) von „Cimmerien“ liegt auf einer Fläche (Farbe #4080C0), die kein Feld des "
          "Landes im Raster berührt."}},
        {"seed on a neighbour",
         [](WorldState& w, TestPicture&) { w.fillX[1] = 20; },
         {"Der Startpunkt (20, 5) von „Arland“ liegt auf einer Fläche (Farbe #A0E090), die kein Feld des Landes "
          "im Raster berührt.",
          "Die Startpunkte von „Arland“ und „Bergen“ liegen auf derselben Fläche; diese Länder würden immer "
          "zusammen eingefärbt."}},
        {"picture cut short",
         [](WorldState&, TestPicture& p) { p.cut = "Das Kartenbild ist unvollständig."; },
         {"Das Kartenbild ist unvollständig."}},
    };
    for (const auto& c : cases) {
        auto world = playableWorld();
        TestPicture picture;
        c.spoil(*world, picture);
        EXPECT_EQ(german(checkPlayability(*world, &picture)), c.findings) << c.rule;
    }
    // Without a picture only the file's rules count; the message lists the
    // first faults and counts the rest.
    auto world = playableWorld();
    world->fillX[1] = -100;
    EXPECT_TRUE(checkPlayability(*world, nullptr).empty());
    EXPECT_EQ(germanText(playabilityMessage({Text::verbatim("a"), Text::verbatim("b"), Text::verbatim("c")}, 2)),
              "Auf dieser Karte kann nicht gespielt werden:\n- a\n- b\n... und 1 "
              "weitere Fehler.");
}

// A bitmap is whole when its file holds every row its header promises.
TEST(Playability, ABitmapCutShortIsNamed)
{
    // 3 × 2 pixels of 24 bits: rows of 12 bytes (9 and 3 of padding).
    std::string bmp = "BM" + std::string(8, '\0') + std::string("\x36\0\0\0", 4) + std::string("\x28\0\0\0", 4) +
                      std::string("\x03\0\0\0\x02\0\0\0\x01\0\x18\0", 12) + std::string(24, '\0') +
                      std::string(24, '\x7F');
    ASSERT_EQ(bmp.size(), 54u + 24u);
    const struct {
        std::size_t length;
        std::string problem;
    } cases[] = {
        {78, ""},
        {77, "Das Kartenbild ist unvollständig: die Datei hat 77 Bytes, für ihre 3 × 2 Bildpunkte braucht sie 78."},
        {54, "Das Kartenbild ist unvollständig: die Datei hat 54 Bytes, für ihre 3 × 2 Bildpunkte braucht sie 78."},
        {30, "Das Kartenbild ist unvollständig: die Datei hat 30 Bytes, zu wenige für ihren Kopf."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(germanText(bitmapFileProblem(std::string_view(bmp).substr(0, c.length))), c.problem) << c.length;
    EXPECT_TRUE(bitmapFileProblem("\x89PNG\r\n").empty());  // other formats are their loader's business
}

// The start refuses a map the check faults, as the caller refuses a missing
// picture: one box, no game.
TEST(Playability, TheGamesStartRefusesWhatTheCheckFinds)
{
    auto world = std::make_unique<WorldState>();
    world->side[0] = 1;
    TestPicture narrow;
    narrow.w = 3 * 17;
    ScriptedRandom random;
    const SetupResult setup = startGame(*world, random, STRATAGON_FIXTURES "/small.mgi", 1, &narrow);
    ASSERT_EQ(setup.messages.size(), 1u);
    EXPECT_EQ(setup.messages.back().text, playabilityMessage(checkPlayability(*world, &narrow)));
    EXPECT_EQ(row(setup.started, germanText(setup.messages.back().title), world->playing), "0|Fehler !|0");

    TestPicture cut;
    cut.cut = "Das Kartenbild ist unvollständig: kaputt.";
    EXPECT_EQ(germanText(missingPictureMessage(&cut)),
              "Das Kartenbild ist unvollständig: kaputt. Das Spiel kann nicht beginnen.");
    EXPECT_EQ(missingPictureMessage(nullptr), missingPictureMessage(&narrow));  // nothing named: the plain message
}
