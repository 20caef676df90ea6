// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The benchmark program's own main makes the one application before the
// first benchmark and ends it after the last. What the benchmarks keep from
// one run to the next (a program with its windows, the effect player, a
// loaded map) is handed over here and goes before the application does: Qt
// objects left to the exit handlers would outlive it and crash there.

#include <memory>
#include <vector>

namespace stratagon::bench {

std::vector<std::shared_ptr<void>>& keptObjects();

// `object`, kept until the benchmarks are done.
template <typename T>
T& keep(std::unique_ptr<T> object)
{
    std::shared_ptr<T> shared(std::move(object));
    keptObjects().push_back(shared);
    return *shared;
}

}  // namespace stratagon::bench
