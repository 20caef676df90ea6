// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped map painted by spans against the flood fill, pixel for pixel,
// and the colour-blind scheme measured under simulated colour-vision
// deficiencies (Machado, Oliveira and Fernandes 2009, severity 1).

#include "mapview/MapSurface.h"
#include "simulation/Clock.h"
#include "world/MapLoader.h"

#include <gtest/gtest.h>
#include <QColor>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <random>

namespace stratagon {
namespace {

struct Shipped {
    std::unique_ptr<WorldState> world = std::make_unique<WorldState>();
    MapSurface spans;   // paints by the areas
    MapSurface flood;   // never told the areas: flood fill only
    Shipped()
    {
        EXPECT_TRUE(loadMap(*world, STRATAGON_ASSETS "/cards/Afrika.mgi").ok);
        EXPECT_TRUE(spans.load(QStringLiteral(STRATAGON_ASSETS "/cards/Afrika.bmp")));
        flood.setBitmap(spans.bitmap());
        spans.buildAreas(seedPoints<QPoint>(*world));
    }
};

// Each side's countries in its plain colour, as the map fills them.
void fillSides(MapSurface& surface, const WorldState& w, ColourScheme scheme)
{
    for (const CountryPaint& p : mapPaints(w, scheme))
        surface.fillCountry(p.x, p.y, p.style.colour);
}

TEST(MapColours, PaintingByAreasGivesTheFloodFillsPixels)
{
    Shipped m;
    WorldState& w = *m.world;
    std::mt19937 random(7);
    w.side[0] = 1;
    w.side[1] = 9;
    w.sideMax = 1;
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        for (int i = 1; i <= w.countryCount; ++i)
            w.countryOwner[i] = std::array{1, 9, i}[random() % 3];
        m.spans.clear();
        m.flood.clear();
        fillSides(m.spans, w, ColourScheme::Standard);
        fillSides(m.flood, w, ColourScheme::Standard);
        // Twice on the same surface, as a colour change in a running game does.
        if (round % 2)
            fillSides(m.spans, w, ColourScheme::Standard), fillSides(m.flood, w, ColourScheme::Standard);
        ASSERT_EQ(m.spans.surface(), m.flood.surface());
    }
    EXPECT_EQ(m.spans.countryAt(w.fillX[20], w.fillY[20]), 20);
    EXPECT_EQ(m.spans.countryAt(0, 0), 0) << "the sea";
}

// sRGB to CIELAB (D65) through linear RGB, where the simulation works.
using Lab = std::array<double, 3>;
double linear(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }
double encoded(double c) { return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055; }
Lab lab(std::array<double, 3> srgb)
{
    const double r = linear(srgb[0]), g = linear(srgb[1]), b = linear(srgb[2]);
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    const double x = f((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047), y = f(0.2126 * r + 0.7152 * g + 0.0722 * b),
                 z = f((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883);
    return {116 * y - 16, 500 * (x - y), 200 * (y - z)};
}
using Matrix = std::array<std::array<double, 3>, 3>;
const std::map<std::string, Matrix> Deficiencies = {
    {"deuteranopia", {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {"protanopia", {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
    {"tritanopia", {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
};
Lab seen(QRgb c, const Matrix& m)
{
    const std::array<double, 3> lin = {linear(qRed(c) / 255.0), linear(qGreen(c) / 255.0), linear(qBlue(c) / 255.0)};
    std::array<double, 3> out{};
    for (int i = 0; i < 3; ++i)
        out[i] = encoded(std::clamp(m[i][0] * lin[0] + m[i][1] * lin[1] + m[i][2] * lin[2], 0.0, 1.0));
    return lab(out);
}
double deltaE(const Lab& a, const Lab& b) { return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]); }

TEST(MapColours, TheColourBlindSchemeKeepsOwnOpponentAndPassiveCountriesApart)
{
    for (const ColourScheme scheme : {ColourScheme::Standard, ColourScheme::ColourBlind}) {
        Shipped m;
        WorldState& w = *m.world;
        const int own = codeToCountry(w, w.defaultSideCode), opponent = 9;
        w.side[0] = own;
        w.side[1] = opponent;
        w.sideMax = 1;
        for (int i = 1; i <= w.countryCount; ++i)
            w.countryOwner[i] = i;
        m.spans.clear();
        fillSides(m.spans, w, scheme);
        // Each country's colour as drawn: the commonest in its area.
        std::vector<QRgb> drawn(static_cast<std::size_t>(w.countryCount) + 1);
        std::vector<std::map<QRgb, int>> counts(drawn.size());
        for (int y = 0; y < m.spans.height(); ++y)
            for (int x = 0; x < m.spans.width(); ++x)
                if (const int c = m.spans.countryAt(x, y))
                    ++counts[static_cast<std::size_t>(c)][MapSurface::toQRgb(m.spans.pixel(x, y))];
        for (std::size_t c = 1; c < drawn.size(); ++c)
            drawn[c] = std::max_element(counts[c].begin(), counts[c].end(),
                                        [](auto& a, auto& b) { return a.second < b.second; })->first;
        EXPECT_EQ(drawn[static_cast<std::size_t>(own)], MapSurface::toQRgb(sideColour(scheme, 0)));
        double apart = 1e9, fromPassive = 1e9;
        for (const auto& [name, matrix] : Deficiencies) {
            const Lab o = seen(drawn[static_cast<std::size_t>(own)], matrix);
            const Lab p = seen(drawn[static_cast<std::size_t>(opponent)], matrix);
            apart = std::min(apart, deltaE(o, p));
            for (int i = 1; i <= w.countryCount; ++i)
                if (i != own && i != opponent) {
                    const Lab passive = seen(drawn[static_cast<std::size_t>(i)], matrix);
                    fromPassive = std::min({fromPassive, deltaE(o, passive), deltaE(p, passive)});
                }
        }
        if (scheme == ColourScheme::ColourBlind) {
            EXPECT_GE(apart, 40);
            EXPECT_GE(fromPassive, 25);
            EXPECT_TRUE(sideStyle(scheme, 1).striped && !sideStyle(scheme, 0).striped) << "a cue without colour";
        }
    }
    // Up to five opponents: apart from the player and from each other in both schemes.
    const Matrix sight = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    for (const ColourScheme scheme : {ColourScheme::Standard, ColourScheme::ColourBlind})
        for (int a = 0; a <= MaxOpponentColours; ++a)
            for (int b = a + 1; b <= MaxOpponentColours; ++b)
                EXPECT_GE(deltaE(seen(MapSurface::toQRgb(sideColour(scheme, a)), sight),
                                 seen(MapSurface::toQRgb(sideColour(scheme, b)), sight)), 20)
                    << a << " " << b;
}

}  // namespace
}  // namespace stratagon
