#pragma once
// What the runner watches after every frame for the soak: bodies of the
// selected scene with a non-finite matrix or velocity, and the peak of the
// live heap in the first and in the second half of the run; and, between
// runs, blocks the program can no longer reach.
#include <cstddef>
#include <ostream>

class FrameChecks {
public:
    // Notes the live heap as the run starts.
    explicit FrameChecks(int frames);
    void afterFrame(int frame);
    // JSON members: "nonfinite_bodies", "first_nonfinite_frame", "heap_at_start_kb", "heap_peak_kb".
    void writeJson(std::ostream& out) const;

private:
    int frames_;
    int mostNonFinite_ = 0;
    int firstNonFiniteFrame_ = 0;
    std::size_t heapAtStart_;
    std::size_t heapPeak_[2] = {0, 0};
};

// True when LeakSanitizer finds blocks that nothing points to any more (it names
// them on standard error); false without it, or with its leak checks turned off.
bool heapHasLeaks();
