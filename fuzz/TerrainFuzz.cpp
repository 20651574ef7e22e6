// Any bytes as a .ter height map: a grid comes out whole (within the sample
// limits, one finite height per sample) or not at all.
#include "KEVA_Physics/TerrainFile.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto grid = PARSETERRAIN(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!grid) return 0;
    const bool counts =
        grid->nX >= 1 && grid->nX <= TERRAIN_MAX_SAMPLES && grid->nY >= 1 && grid->nY <= TERRAIN_MAX_SAMPLES;
    if (!counts || grid->heights.size() != static_cast<std::size_t>(grid->nX) * static_cast<std::size_t>(grid->nY))
        std::abort();
    for (const float h : grid->heights)
        if (!std::isfinite(h)) std::abort();
    return 0;
}
