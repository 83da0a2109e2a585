#pragma once

#include <chrono>

// The bench's two clocks: the machine's, and the CPU time of the thread that
// measures, which the load of other processes does not lengthen.

using Clock = std::chrono::steady_clock;  // system-wide: comparable across processes

double milliseconds(Clock::duration duration);

struct Moment {
    Clock::time_point wall;
    std::chrono::nanoseconds cpu{};  // used by this thread so far

    static Moment now();
};

// What passed between two moments, in milliseconds on each clock.
struct Lap {
    double wall = 0;
    double cpu = 0;
};

Lap operator-(const Moment& end, const Moment& start);
