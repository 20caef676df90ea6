// SPDX-License-Identifier: GPL-3.0-or-later
// Our flood fill against the least a repaint can cost (copy the bitmap,
// write every filled pixel once) and, when OpenCV is there, against its
// floodFill on the same picture and seeds.

#include "BenchApp.h"
#include "mapview/MapSurface.h"
#include "world/MapLoader.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <vector>

#ifdef STRATAGON_HAVE_OPENCV
#include <opencv2/imgproc.hpp>
#endif

using namespace stratagon;

namespace {

struct ShippedMap {
    std::unique_ptr<WorldState> world = std::make_unique<WorldState>();
    MapSurface surface;
    std::vector<QPoint> seeds;
    long long filledPixels = 0;
    bool ok = false;

    ShippedMap()
    {
        const std::string dir = STRATAGON_ASSETS "/cards/";
        ok = loadMap(*world, dir + "Afrika.mgi").ok && surface.load(QString::fromStdString(dir + "Afrika.bmp"));
        if (!ok)
            return;
        seeds = seedPoints<QPoint>(*world);
        // Count what a repaint writes: every pixel of every country's area.
        surface.clear();
        for (const QPoint& p : seeds)
            surface.fillCountry(p.x(), p.y(), PlayerColour);
        const QImage& s = surface.surface();
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                filledPixels += surface.pixel(x, y) == PlayerColour;
    }
};

ShippedMap& shipped()
{
    static ShippedMap& map = bench::keep(std::make_unique<ShippedMap>());
    return map;
}

void BM_RepaintFloor(benchmark::State& state)
{
    ShippedMap& m = shipped();
    if (!m.ok) {
        state.SkipWithError("shipped map missing");
        return;
    }
    const QImage& bitmap = m.surface.bitmap();
    std::vector<uchar> target(bitmap.sizeInBytes());
    for (auto _ : state) {
        std::memcpy(target.data(), bitmap.constBits(), target.size());
        std::memset(target.data(), 0x7f, static_cast<std::size_t>(m.filledPixels) * 4);
        benchmark::ClobberMemory();
    }
    state.counters["pixels_filled"] = static_cast<double>(m.filledPixels);
}
BENCHMARK(BM_RepaintFloor);

void BM_OurFillAllCountries(benchmark::State& state)
{
    ShippedMap& m = shipped();
    if (!m.ok) {
        state.SkipWithError("shipped map missing");
        return;
    }
    for (auto _ : state) {
        m.surface.clear();
        for (const QPoint& p : m.seeds)
            m.surface.fillCountry(p.x(), p.y(), PlayerColour);
        benchmark::ClobberMemory();
    }
    state.counters["countries"] = static_cast<double>(m.seeds.size());
}
BENCHMARK(BM_OurFillAllCountries);

// The same fills once the areas are known: each writes its area's spans.
void BM_SpanFillAllCountries(benchmark::State& state)
{
    ShippedMap& m = shipped();
    if (!m.ok) {
        state.SkipWithError("shipped map missing");
        return;
    }
    MapSurface surface;
    surface.setBitmap(m.surface.bitmap());
    surface.buildAreas(m.seeds);
    for (auto _ : state) {
        surface.clear();
        for (const QPoint& p : m.seeds)
            surface.fillCountry(p.x(), p.y(), PlayerColour);
        benchmark::ClobberMemory();
    }
    state.counters["countries"] = static_cast<double>(m.seeds.size());
}
BENCHMARK(BM_SpanFillAllCountries);

// The look-up of the countries' areas, once per map.
void BM_BuildAreas(benchmark::State& state)
{
    ShippedMap& m = shipped();
    if (!m.ok) {
        state.SkipWithError("shipped map missing");
        return;
    }
    MapSurface surface;
    surface.setBitmap(m.surface.bitmap());
    for (auto _ : state) {
        surface.buildAreas(m.seeds);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuildAreas)->Unit(benchmark::kMillisecond);

#ifdef STRATAGON_HAVE_OPENCV
void BM_OpenCvFillAllCountries(benchmark::State& state)
{
    ShippedMap& m = shipped();
    if (!m.ok) {
        state.SkipWithError("shipped map missing");
        return;
    }
    // OpenCV fills 1- or 3-channel pictures only.
    const QImage bitmap = m.surface.bitmap().convertToFormat(QImage::Format_RGB888);
    const cv::Mat source(bitmap.height(), bitmap.width(), CV_8UC3, const_cast<uchar*>(bitmap.constBits()),
                         static_cast<std::size_t>(bitmap.bytesPerLine()));
    cv::Mat surface = source.clone();
    for (auto _ : state) {
        source.copyTo(surface);
        for (const QPoint& p : m.seeds)
            cv::floodFill(surface, cv::Point(p.x(), p.y()), cv::Scalar(255, 0, 0), nullptr, cv::Scalar(),
                          cv::Scalar(), 4 | cv::FLOODFILL_FIXED_RANGE);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OpenCvFillAllCountries);
#endif

}  // namespace
