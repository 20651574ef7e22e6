#pragma once
// What the rocket, the trees and the pin share: their parts are blocks of one
// compound body, each kept in a block slot for drawing; hiding one drops its
// slots, so the hidden objects of abandoned worlds cost next to nothing.
#include "KEVA_Physics/PhyCompound.h"
#include "KEVA_Physics/PhyCompoundBlocks.h"
#include "kestrova/SolidMesh.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

inline constexpr std::size_t COMPOUNDSLOTS = 101;  // block slots of one object, 0 to 100

// Builds an object's parts in order: each part's block goes into its slot and
// its shape into the next element of `parts`. Every length is multiplied by
// `unit`; every round part has the object's quality.
class CompoundPartsBuilder {
public:
    CompoundPartsBuilder(NewtonWorld* world, std::vector<NewtonCollision*>& parts,
                         std::vector<PHY_COMPOUNDBLOCKS>& blocks, float unit, std::int32_t quality);

    void CYLINDER(std::size_t slot, const TGLVector& offset, const TGLVector& pos, const TGLVector& rot, float radius,
                  float h);
    // rIn at the top, rOut at the bottom.
    void TRUNCCONE(std::size_t slot, const TGLVector& offset, const TGLVector& pos, const TGLVector& rot, float rIn,
                   float rOut, float h);
    void CONE(std::size_t slot, const TGLVector& offset, const TGLVector& pos, const TGLVector& rot, float radius,
              float h);
    // The corners a1, b1, c1, d1, a2, b2, c2, d2.
    void BOX2(std::size_t slot, const TGLVector& offset, const TGLVector& pos, const TGLVector& rot,
              const TGLVector (&corners)[8]);
    // Joins the parts into one dynamic body of `mass` at `at`, turned by `rot` degrees.
    void FINISH(PHY_COMPOUND& compound, const TGLVector& at, const TGLVector& rot, float mass);

private:
    TGLVector scaled(const TGLVector& v) const;

    NewtonWorld* world_;
    std::vector<NewtonCollision*>& parts_;
    std::vector<PHY_COMPOUNDBLOCKS>& blocks_;
    float unit_;
    std::int32_t quality_;
};

// The slots first to last of one kind.
struct BlockRun {
    PHY_COMPOUNDBLOCKSTYPE kind;
    std::size_t first, last;
};
// The blocks of `runs` recorded into one mesh in compound space: the parts
// that an object draws in one colour, placed by its body (phy::drawInPlace).
// Faces where two of them touch inside the object are left out.
SolidMesh RECORDBLOCKS(const std::vector<PHY_COMPOUNDBLOCKS>& blocks, std::initializer_list<BlockRun> runs);
// Hides an object: it draws nothing more and gives up its part list, slots and meshes.
void HIDECOMPOUND(bool& shown, std::vector<NewtonCollision*>& parts, std::vector<PHY_COMPOUNDBLOCKS>& blocks,
                  std::vector<SolidMesh>& looks);
