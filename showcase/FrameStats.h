#pragma once
// Frame and physics times of the recent frames, for the statistics panel:
// frames per second and medians over the last second, and a short history.
#include <deque>
#include <vector>

class FrameStats {
public:
    // One frame: when it started (ms of a steady clock), the program's time on
    // it, and the part of that spent in world updates.
    void add(double startMs, double frameMs, double physicsMs);
    // Frames that started within the second before the newest one began.
    int framesPerSecond() const;
    double medianFrameMs() const;    // over the same second
    double medianPhysicsMs() const;  // over the same second
    // The last `count` frames, oldest first.
    std::vector<float> frameHistory(int count) const;
    std::vector<float> physicsHistory(int count) const;

private:
    struct Sample {
        double startMs, frameMs, physicsMs;
    };
    std::vector<double> lastSecond(double Sample::*field) const;
    std::vector<float> history(double Sample::*field, int count) const;
    std::deque<Sample> samples_;
};
