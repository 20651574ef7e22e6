// Pacing of the window's main loop, on simulated displays and a simulated clock.
#include "kestrova/platform/FramePacer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using platform::FramePacer;

// Start times of `passes` passes of a loop whose drawing takes `work` seconds,
// on a display refreshing `hz` times a second (0: swaps return at once, as on
// Xvfb). A swap returns at the first refresh after the drawing that is at least
// the swap interval after the refresh of the previous swap; the waits are slept
// in whole milliseconds, as SDL sleeps.
std::vector<double> passStarts(int hz, double work, int passes) {
    FramePacer pacer(hz);
    std::vector<double> starts;
    double now = 0;
    long lastRefresh = -1000;
    for (int pass = 0; pass < passes; ++pass) {
        starts.push_back(now);
        now += work;
        if (hz > 0) {
            const long refresh = std::max(static_cast<long>(std::ceil(now * hz - 1e-9)),
                                          lastRefresh + pacer.swapInterval());
            lastRefresh = refresh;
            now = static_cast<double>(refresh) / hz;
        }
        now += std::floor(pacer.waitAfterSwap(now) * 1000.0) / 1000.0;
    }
    return starts;
}

TEST(FramePacer, EveryDisplaySeesSixtyPassesASecondEvenlySpaced) {
    for (const int hz : {0, 60, 75, 120, 144}) {
        for (const double work : {0.001, 0.009}) {
            const std::vector<double> starts = passStarts(hz, work, 1201);
            // 1200 passes take 20 seconds, give or take one pass.
            EXPECT_NEAR(starts.back() - starts.front(), 20.0, 1.0 / 60.0) << hz << " Hz, work " << work;
            // After the first, no pass waits longer than a frame and one refresh; none is shown for less than a refresh.
            const double refresh = hz > 0 ? 1.0 / hz : 0.0;
            const double shortest = hz > 0 ? refresh : 1.0 / 60.0 - 0.001;
            for (std::size_t i = 2; i < starts.size(); ++i) {
                const double gap = starts[i] - starts[i - 1];
                EXPECT_LE(gap, 1.0 / 60.0 + refresh + 0.001) << hz << " Hz, pass " << i;
                EXPECT_GE(gap, shortest - 1e-9) << hz << " Hz, pass " << i;
            }
        }
    }
}

TEST(FramePacer, DisplaysAtMultiplesOfSixtySwapEveryFrameAtTheirRefresh) {
    EXPECT_EQ(FramePacer(60).swapInterval(), 1);
    EXPECT_EQ(FramePacer(59).swapInterval(), 1);
    EXPECT_EQ(FramePacer(120).swapInterval(), 2);
    EXPECT_EQ(FramePacer(240).swapInterval(), 4);
    EXPECT_EQ(FramePacer(144).swapInterval(), 1);
    EXPECT_EQ(FramePacer(75).swapInterval(), 1);
    EXPECT_EQ(FramePacer(0).swapInterval(), 1);
    // On a 60 Hz display every pass is shown for exactly one refresh.
    const std::vector<double> starts = passStarts(60, 0.005, 120);
    for (std::size_t i = 2; i < starts.size(); ++i) EXPECT_NEAR(starts[i] - starts[i - 1], 1.0 / 60.0, 1e-9);
}

TEST(FramePacer, LoopFallingBehindDoesNotHurryToCatchUp) {
    FramePacer pacer(0);
    pacer.waitAfterSwap(0.0);
    pacer.waitAfterSwap(0.5);  // a pass that took half a second
    // The next pass comes a frame later, not at once to make up for the lost ones.
    EXPECT_NEAR(pacer.waitAfterSwap(0.501), 1.0 / 60.0 - 0.001, 1e-9);
}

}  // namespace
