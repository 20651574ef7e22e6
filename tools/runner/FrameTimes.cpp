#include "FrameTimes.h"

#include <algorithm>

double millisecondsSince(RunClock::time_point start) {
    return std::chrono::duration<double, std::milli>(RunClock::now() - start).count();
}

Summary summarise(std::vector<double> samples) {
    Summary s;
    if (samples.empty()) return s;
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) {
        return samples[static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1) + 0.5)];
    };
    s.median = at(0.5);
    s.p95 = at(0.95);
    s.max = samples.back();
    return s;
}

void writeSummary(std::ostream& out, const char* name, const Summary& s) {
    out << "  \"" << name << "\": {\"median\": " << s.median << ", \"p95\": " << s.p95 << ", \"max\": " << s.max
        << "},\n";
}
