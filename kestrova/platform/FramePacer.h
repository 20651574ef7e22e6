#pragma once
// Holds the window's main loop to 60 passes a second on any display. The scenes
// advance their worlds by a fixed amount per pass, so a 75, 120 or 144 Hz display
// must not make them faster, and waiting for a refresh must not make them slower.
namespace platform {

class FramePacer {
public:
    static constexpr double kFramesPerSecond = 60.0;

    // refreshHz: the display's refresh rate, 0 when unknown.
    explicit FramePacer(int refreshHz);
    // Refreshes per buffer swap to ask for: 2 on a 120 Hz display, 1 where the
    // refresh is not a multiple of 60 (the waits below then keep the rate).
    int swapInterval() const { return swapInterval_; }
    // Seconds to wait after the swap that returned at `now` (seconds of a
    // monotonic clock). Passes begin at fixed times 1/60 s apart, so a swap held
    // to the next refresh makes the next wait shorter instead of adding up; a
    // loop more than a frame late starts a new schedule rather than hurrying.
    double waitAfterSwap(double now);

private:
    int swapInterval_ = 1;
    double nextStart_ = 0;  // when the next pass may begin
    bool started_ = false;
};

}  // namespace platform
