#pragma once
// Where the blocks of a stacked pile go.
#include "base/GLTypes.h"

#include <cstdint>

// Position of block (i, l, m) of a pile of boxes with half sizes (sx, sy, sz)
// and gap `dist` whose first block stands at (x, y, z): row i along x, layer
// l upwards, column m along z; each layer is shifted by half a block in x and
// z. A maximum of 0 along x or z drops every offset along that axis.
TGLVector PHY_CREATEPYRAMIDBLOCKS(float x, float y, float z, float sx, float sy, float sz, float dist, std::int32_t i,
                                  std::int32_t l, std::int32_t m, std::int32_t maxI, std::int32_t maxL,
                                  std::int32_t maxM);
