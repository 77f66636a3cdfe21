// The best of three timed runs of a piece of work, for benchmarks that compare
// against another program run in the same process.
#pragma once

#include <algorithm>
#include <chrono>

template <typename Work> double BestSeconds(Work work) {
    using Clock = std::chrono::steady_clock;
    double best = 1e300;
    for (int round = 0; round < 3; ++round) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}
