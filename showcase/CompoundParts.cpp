#include "showcase/CompoundParts.h"

#include "KEVA_Physics/PhyCompoundLook.h"

#include <algorithm>

CompoundPartsBuilder::CompoundPartsBuilder(NewtonWorld* world, std::vector<NewtonCollision*>& parts,
                                           std::vector<PHY_COMPOUNDBLOCKS>& blocks, float unit, std::int32_t quality)
    : world_(world), parts_(parts), blocks_(blocks), unit_(unit), quality_(quality) {
    parts_.clear();
    blocks_.assign(COMPOUNDSLOTS, PHY_COMPOUNDBLOCKS{});
}

TGLVector CompoundPartsBuilder::scaled(const TGLVector& v) const {
    return GLVECTOR(v.X * unit_, v.Y * unit_, v.Z * unit_);
}

void CompoundPartsBuilder::CYLINDER(std::size_t slot, const TGLVector& offset, const TGLVector& pos,
                                    const TGLVector& rot, float radius, float h) {
    parts_.push_back(
        blocks_.at(slot).CYLINDER(world_, scaled(offset), scaled(pos), rot, radius * unit_, h * unit_, quality_));
}

void CompoundPartsBuilder::TRUNCCONE(std::size_t slot, const TGLVector& offset, const TGLVector& pos,
                                     const TGLVector& rot, float rIn, float rOut, float h) {
    parts_.push_back(blocks_.at(slot).TRUNCCONE(world_, scaled(offset), scaled(pos), rot, rIn * unit_, rOut * unit_,
                                                h * unit_, quality_));
}

void CompoundPartsBuilder::CONE(std::size_t slot, const TGLVector& offset, const TGLVector& pos, const TGLVector& rot,
                                float radius, float h) {
    parts_.push_back(
        blocks_.at(slot).CONE(world_, scaled(offset), scaled(pos), rot, radius * unit_, h * unit_, quality_));
}

void CompoundPartsBuilder::BOX2(std::size_t slot, const TGLVector& offset, const TGLVector& pos, const TGLVector& rot,
                                const TGLVector (&corners)[8]) {
    TGLVector c[8];
    std::transform(std::begin(corners), std::end(corners), c, [this](const TGLVector& v) { return scaled(v); });
    parts_.push_back(blocks_.at(slot).BOX2(world_, scaled(offset), scaled(pos), rot, c[0], c[1], c[2], c[3], c[4], c[5],
                                           c[6], c[7]));
}

void CompoundPartsBuilder::FINISH(PHY_COMPOUND& compound, const TGLVector& at, const TGLVector& rot, float mass) {
    compound.SETCOMPOUND(world_, parts_, at, rot, static_cast<std::int32_t>(parts_.size()), mass);
}

SolidMesh RECORDBLOCKS(const std::vector<PHY_COMPOUNDBLOCKS>& blocks, std::initializer_list<BlockRun> runs) {
    phy::CompoundLookRecorder look;
    for (const BlockRun& run : runs)
        for (std::size_t slot = run.first; slot <= run.last && slot < blocks.size(); ++slot)
            look.add(blocks[slot], run.kind);
    return look.mesh();
}

void HIDECOMPOUND(bool& shown, std::vector<NewtonCollision*>& parts, std::vector<PHY_COMPOUNDBLOCKS>& blocks,
                  std::vector<SolidMesh>& looks) {
    shown = false;
    // Swapping with empty vectors gives the memory back; clear() would keep it.
    std::vector<NewtonCollision*>().swap(parts);
    std::vector<PHY_COMPOUNDBLOCKS>().swap(blocks);
    std::vector<SolidMesh>().swap(looks);
}
