// The main loop's pacing at 60 passes a second.
#include "kestrova/platform/FramePacer.h"

#include <cmath>

namespace platform {

FramePacer::FramePacer(int refreshHz) {
    const double refreshesPerFrame = std::round(refreshHz / kFramesPerSecond);
    // Displays report 59 or 119 Hz for rates a little under 60 or 120.
    if (refreshesPerFrame >= 1 && std::fabs(refreshHz - refreshesPerFrame * kFramesPerSecond) <= 1)
        swapInterval_ = static_cast<int>(refreshesPerFrame);
}

double FramePacer::waitAfterSwap(double now) {
    constexpr double period = 1.0 / kFramesPerSecond;
    nextStart_ += period;
    if (!started_ || now > nextStart_ + period) {
        nextStart_ = now;
        started_ = true;
    }
    return std::fmax(0.0, nextStart_ - now);
}

}  // namespace platform
