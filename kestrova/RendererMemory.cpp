// Heap tuning for the GL renderer's short-lived vertex buffers.
#include "kestrova/RendererMemory.h"

#include <malloc.h>

void KEEPRENDERERMEMORY() {
    constexpr int MAPPED_FROM = 32 << 20;   // blocks below this come from the heap
    constexpr int KEPT_ON_TOP = 64 << 20;   // free heap top kept before it is returned
    mallopt(M_MMAP_THRESHOLD, MAPPED_FROM);
    mallopt(M_TRIM_THRESHOLD, KEPT_ON_TOP);
}
