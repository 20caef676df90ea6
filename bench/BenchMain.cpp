// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchApp.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace stratagon::bench {

std::vector<std::shared_ptr<void>>& keptObjects()
{
    static std::vector<std::shared_ptr<void>> kept;
    return kept;
}

}  // namespace stratagon::bench

int main(int argc, char* argv[])
{
    // Windows, text and pictures without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The last kept first: a program's windows before what they show.
    auto& kept = stratagon::bench::keptObjects();
    while (!kept.empty())
        kept.pop_back();
    return 0;
}
