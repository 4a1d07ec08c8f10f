// The project's way of doing a piece of work timed against a yardstick doing
// the same work, in the same run and in turn (the first of the two changes
// every iteration), so that the machine's load weighs on both alike.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

// Seconds taken by one call of `step`, or a negative figure when it failed.
template <class Step> double Timed(Step& step)
{
    const auto start = std::chrono::steady_clock::now();
    const bool ok = step();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return ok ? seconds : -1;
}

struct InTurnSeconds {
    double project = 0;    // total of the project's runs
    double yardstick = 0;  // total of the yardstick's runs
};

// Runs both once per iteration; a failure ends the benchmark with the message
// of the side that failed.
template <class Project, class Yardstick>
InTurnSeconds TimeInTurn(benchmark::State& state, Project& project, Yardstick& yardstick,
    const char* projectFailed, const char* yardstickFailed)
{
    InTurnSeconds total;
    bool projectFirst = true;
    for (auto _ : state) {
        double p = 0;
        double y = 0;
        if (projectFirst) {
            p = Timed(project);
            y = Timed(yardstick);
        } else {
            y = Timed(yardstick);
            p = Timed(project);
        }
        if (p < 0 || y < 0) {
            state.SkipWithError(p < 0 ? projectFailed : yardstickFailed);
            break;
        }
        total.project += p;
        total.yardstick += y;
        projectFirst = !projectFirst;
    }
    return total;
}
