#include "KEVA_Physics/PhyBlockPlacement.h"

namespace {

// Offset of block `index` on layer `layer` along one horizontal axis.
double shiftedOffset(float half, float dist, std::int32_t index, std::int32_t layer, std::int32_t maxIndex) {
    if (maxIndex == 0) return 0;
    return (2.0 * half + dist) * (index + layer / 2.0) + (maxIndex * double{dist} - maxIndex) / 2;
}

}  // namespace

TGLVector PHY_CREATEPYRAMIDBLOCKS(float x, float y, float z, float sx, float sy, float sz, float dist, std::int32_t i,
                                  std::int32_t l, std::int32_t m, std::int32_t maxI, std::int32_t maxL,
                                  std::int32_t maxM) {
    const double ty = (2.0 * sy + dist) * l + (maxL * double{dist} - maxL) / 2;
    return GLVECTOR(x + shiftedOffset(sx, dist, i, l, maxI), y + ty, z + shiftedOffset(sz, dist, m, l, maxM));
}
