#pragma once
// Typical pieces of a compound body (prisms, cones, truncated cones,
// eight-corner boxes): their convex shapes and their drawing.
#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

#include <cstdint>

class SolidMesh;
class SolidSink;

enum PHY_COMPOUNDBLOCKSTYPE : std::uint8_t {
    PHYCOMPBOX = 0,
    PHYCOMPBOX2 = 1,
    PHYCOMPCONE = 2,
    PHYCOMPTRUNCCONE = 3,
    PHYCOMPCYLINDER = 4,
    PHYCOMPSPHERE = 5,
    PHYCOMPTORUS = 6,
};

// Every block is placed in its compound as OFFSET + R * (POS + p), R the
// rotation of ROT (degrees), p a point of the block.
struct PHY_BLOCKBOX {
    TGLVector OFFSET, POS, ROT;
    TGLVector MIN, MAX;
};
struct PHY_BLOCKBOX2 {
    TGLVector OFFSET, POS, ROT;
    TGLVector A1, B1, C1, D1, A2, B2, C2, D2;
};
// A cone or a cylinder.
struct PHY_BLOCKROUND {
    TGLVector OFFSET, POS, ROT;
    float RADIUS = 0, H = 0;
    std::int32_t QUALITY = 0;
};
struct PHY_BLOCKTRUNCCONE {
    TGLVector OFFSET, POS, ROT;
    float RIN = 0, ROUT = 0, H = 0;
    std::int32_t QUALITY = 0;
};
struct PHY_BLOCKSPHERE {
    TGLVector OFFSET, POS, ROT;
    TGLVector RADIUS;
    std::int32_t QUALITY = 0;
};
struct PHY_BLOCKTORUS {
    TGLVector OFFSET, POS, ROT;
    float TUBER = 0, RADIUS = 0;
    std::int32_t SIDES = 0, RINGS = 0;
};

// One slot per block type, each holding the last block of that type built.
// The circular blocks stand along y; their QUALITY is kept within 3 .. 100.
struct PHY_COMPOUNDBLOCKS {
    PHY_BLOCKBOX BOX_;
    PHY_BLOCKBOX2 BOX2_;
    PHY_BLOCKROUND CONE_;
    PHY_BLOCKTRUNCCONE TRUNCCONE_;
    PHY_BLOCKROUND CYLINDER_;
    PHY_BLOCKSPHERE SPHERE_;
    PHY_BLOCKTORUS TORUS_;
    bool DELLIST = false;

    // Each builder fills its slot and returns the block's convex shape for
    // PHY_COMPOUND::SETCOMPOUND.
    NewtonCollision* BOX2(NewtonWorld* world, const TGLVector& offset, const TGLVector& pos, const TGLVector& rot,
                          const TGLVector& a1, const TGLVector& b1, const TGLVector& c1, const TGLVector& d1,
                          const TGLVector& a2, const TGLVector& b2, const TGLVector& c2, const TGLVector& d2);
    NewtonCollision* CONE(NewtonWorld* world, const TGLVector& offset, const TGLVector& pos, const TGLVector& rot,
                          float radius, float h, std::int32_t quality);
    NewtonCollision* TRUNCCONE(NewtonWorld* world, const TGLVector& offset, const TGLVector& pos, const TGLVector& rot,
                               float rIn, float rOut, float h, std::int32_t quality);
    NewtonCollision* CYLINDER(NewtonWorld* world, const TGLVector& offset, const TGLVector& pos, const TGLVector& rot,
                              float radius, float h, std::int32_t quality);

    // Draws the slot of `blockType` in compound space; the caller brackets
    // the blocks of one compound with its body transform.
    void DRAW(PHY_COMPOUNDBLOCKSTYPE blockType) const;
    // Records the same into `mesh` (in compound space), to be drawn placed by
    // the compound's body.
    void RECORD(SolidMesh& mesh, PHY_COMPOUNDBLOCKSTYPE blockType) const;
    // Where the slot's solid stands in compound space, and the solid itself
    // in its own frame.
    TGLBaseMatrix FRAME(PHY_COMPOUNDBLOCKSTYPE blockType) const;
    void SOLID(SolidSink& sink, PHY_COMPOUNDBLOCKSTYPE blockType) const;
    void DELETE();
};
