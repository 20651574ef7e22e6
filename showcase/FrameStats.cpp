#include "showcase/FrameStats.h"

#include <algorithm>

namespace {

// Enough for a second of frames at several hundred per second (the scene
// runner is not paced) and for the plots.
constexpr std::size_t kKeptSamples = 1000;

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

}  // namespace

void FrameStats::add(double startMs, double frameMs, double physicsMs) {
    samples_.push_back({startMs, frameMs, physicsMs});
    if (samples_.size() > kKeptSamples) samples_.pop_front();
}

std::vector<double> FrameStats::lastSecond(double Sample::*field) const {
    std::vector<double> values;
    if (samples_.empty()) return values;
    const double since = samples_.back().startMs - 1000;
    for (auto it = samples_.rbegin(); it != samples_.rend() && it->startMs > since; ++it) values.push_back((*it).*field);
    return values;
}

int FrameStats::framesPerSecond() const { return static_cast<int>(lastSecond(&Sample::startMs).size()); }
double FrameStats::medianFrameMs() const { return median(lastSecond(&Sample::frameMs)); }
double FrameStats::medianPhysicsMs() const { return median(lastSecond(&Sample::physicsMs)); }

std::vector<float> FrameStats::history(double Sample::*field, int count) const {
    const std::size_t kept = std::min(samples_.size(), static_cast<std::size_t>(std::max(count, 0)));
    std::vector<float> values;
    for (auto it = samples_.end() - static_cast<std::ptrdiff_t>(kept); it != samples_.end(); ++it)
        values.push_back(static_cast<float>((*it).*field));
    return values;
}

std::vector<float> FrameStats::frameHistory(int count) const { return history(&Sample::frameMs, count); }
std::vector<float> FrameStats::physicsHistory(int count) const { return history(&Sample::physicsMs, count); }
