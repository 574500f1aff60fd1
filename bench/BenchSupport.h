#pragma once

// What the benchmarks share: the median time of repeated runs, a log that
// drops every record, and one line comparing a figure with its baseline.
#include "platform/base/Log.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace BenchSupport {

class NullSink : public LogSink {
public:
    void write(const LogRecord&) override {}
};

// Median of the runs, in microseconds.
inline double medianMicroseconds(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

inline void report(int width, const char* what, double ours, const char* baselineName,
                   double baseline) {
    std::printf("%-*s %9.0f us   %-*s %9.0f us   ratio %.2f\n", width, what, ours, width,
                baselineName, baseline, ours / baseline);
}

} // namespace BenchSupport
