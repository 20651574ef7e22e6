// The bowling pin: eleven rings and a small cone stacked on its axis.
#include "showcase/CompoundObjects.h"
#include "showcase/CompoundParts.h"
#include "showcase/SceneFramework.h"

#include "KEVA_Physics/PhyBodySetup.h"

#include <algorithm>
#include <array>

namespace {

// A ring's height on the axis, its top and bottom radii and its length.
struct Ring {
    float y, rIn, rOut, h;
};
constexpr std::array<Ring, 11> RINGS = {{{-6, 2.3125f, 1.2f, 2},
                                         {-4, 2.775f, 2.3125f, 2},
                                         {-2, 2.775f, 2.775f, 2},
                                         {0.5f, 2.375f, 2.775f, 3},
                                         {4, 1.1f, 2.375f, 4},
                                         {6.5f, 0.85f, 1.1f, 1},
                                         {7.5f, 0.85f, 0.85f, 1},
                                         {8.5f, 1, 0.85f, 1},
                                         {9.5f, 1.1f, 1, 1},
                                         {10.5f, 0.9f, 1.1f, 1},
                                         {11.25f, 0.6f, 0.9f, 0.5f}}};

}  // namespace

void PHY_CompoundBirillo::SETBIRILLO(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float size,
                                     std::int32_t quality, float mass) {
    CompoundPartsBuilder parts(world, BIRILLOPARTS, BIRILLOBLOCKS, size, quality);
    const TGLVector origin = GLVECTOR(0, 0, 0);
    for (std::size_t k = 0; k < RINGS.size(); ++k)
        parts.TRUNCCONE(k, GLVECTOR(0, RINGS[k].y, 0), origin, origin, RINGS[k].rIn, RINGS[k].rOut, RINGS[k].h);
    parts.CONE(0, GLVECTOR(0, 11.58333f, 0), origin, origin, 0.6f, 0.1666667f);
    parts.FINISH(BIRILLO, GLVECTOR(pos.X, pos.Y + 8 * size, pos.Z), rot, mass);
    LOOKS = {RECORDBLOCKS(BIRILLOBLOCKS, {{PHYCOMPTRUNCCONE, 0, 0},
                                          {PHYCOMPTRUNCCONE, 2, 4},
                                          {PHYCOMPTRUNCCONE, 6, 6},
                                          {PHYCOMPTRUNCCONE, 8, 10},
                                          {PHYCOMPCONE, 0, 0}}),
             RECORDBLOCKS(BIRILLOBLOCKS, {{PHYCOMPTRUNCCONE, 1, 1}, {PHYCOMPTRUNCCONE, 5, 5}, {PHYCOMPTRUNCCONE, 7, 7}})};
    DELLIST = true;
}

void PHY_CompoundBirillo::DRAW() const {
    if (!DELLIST) return;
    SCENEMATERIALMATT(192, 192, 192);
    phy::drawInPlace(LOOKS[0], BIRILLO.NEWBODY);
    SCENEMATERIALMATT(166, 0, 0);
    phy::drawInPlace(LOOKS[1], BIRILLO.NEWBODY);
    SCENEMATERIAL(255, 255, 255);
}

void PHY_CompoundBirillo::DELETE() { HIDECOMPOUND(DELLIST, BIRILLOPARTS, BIRILLOBLOCKS, LOOKS); }
