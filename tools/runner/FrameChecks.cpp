#include "FrameChecks.h"

#include "KEVA_Physics/engine/NewtonImport.h"
#include "showcase/SceneRegistry.h"
#include "showcase/Shell.h"

#include <algorithm>
#include <cmath>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
// The sanitizer run-time's count; GCC ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

// Bytes the program holds on the heap now. Freed memory does not count, even
// where the allocator keeps it (AddressSanitizer's quarantine, malloc's caches),
// so growth here is memory that is never given back.
std::size_t liveHeapBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

bool finite(const dFloat* values, int count) {
    return std::all_of(values, values + count, [](dFloat v) { return std::isfinite(v); });
}

int nonFiniteBodiesInSelectedScene() {
    const SceneRow* scene = FINDSCENE(SELECTDEMO);
    if (!scene || !scene->world || !*scene->world) return 0;
    const NewtonWorld* world = *scene->world;
    int bad = 0;
    for (NewtonBody* body = NewtonWorldGetFirstBody(world); body; body = NewtonWorldGetNextBody(world, body)) {
        dFloat matrix[16], velocity[3], omega[3];
        NewtonBodyGetMatrix(body, matrix);
        NewtonBodyGetVelocity(body, velocity);
        NewtonBodyGetOmega(body, omega);
        if (!finite(matrix, 16) || !finite(velocity, 3) || !finite(omega, 3)) ++bad;
    }
    return bad;
}

}  // namespace

FrameChecks::FrameChecks(int frames) : frames_(frames), heapAtStart_(liveHeapBytes()) {}

void FrameChecks::afterFrame(int frame) {
    const int bad = nonFiniteBodiesInSelectedScene();
    if (bad > 0 && firstNonFiniteFrame_ == 0) firstNonFiniteFrame_ = frame;
    mostNonFinite_ = std::max(mostNonFinite_, bad);
    std::size_t& peak = heapPeak_[2 * frame > frames_ ? 1 : 0];
    peak = std::max(peak, liveHeapBytes());
}

void FrameChecks::writeJson(std::ostream& out) const {
    out << "  \"nonfinite_bodies\": " << mostNonFinite_ << ",\n  \"first_nonfinite_frame\": " << firstNonFiniteFrame_
        << ",\n  \"heap_at_start_kb\": " << heapAtStart_ / 1024
        << ",\n  \"heap_peak_kb\": {\"first_half\": " << heapPeak_[0] / 1024
        << ", \"second_half\": " << heapPeak_[1] / 1024 << "},\n";
}

bool heapHasLeaks() {
#if defined(__SANITIZE_ADDRESS__)
    return __lsan_do_recoverable_leak_check() != 0;
#else
    return false;
#endif
}
