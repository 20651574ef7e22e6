#pragma once
// Frame times of a run, summed up for the runner's JSON report.
#include <chrono>
#include <ostream>
#include <vector>

using RunClock = std::chrono::steady_clock;

double millisecondsSince(RunClock::time_point start);

struct Summary {
    double median = 0, p95 = 0, max = 0;
};

Summary summarise(std::vector<double> samples);
// A JSON member `"name": {"median": ..., "p95": ..., "max": ...},` on a line of its own.
void writeSummary(std::ostream& out, const char* name, const Summary& s);
