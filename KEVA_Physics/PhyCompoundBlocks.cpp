#include "KEVA_Physics/PhyCompoundBlocks.h"

#include "KEVA_Physics/PhyBodySetup.h"
#include "kestrova/Matrix.h"
#include "kestrova/SolidMesh.h"
#include "kestrova/Solids.h"
#include "kestrova/UnitCircle.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <numbers>
#include <span>

namespace {

constexpr std::int32_t MAX_BLOCK_QUALITY = 100;  // two rings and an apex fit the point buffer

// The points of one block, already placed in compound space.
class BlockPoints {
public:
    BlockPoints(const TGLVector& offset, const TGLVector& pos, const TGLVector& rot)
        : offset_(offset), pos_(pos), rotation_(MATRIXEULERRAD(rot)) {}

    void add(const TGLVector& p) {
        const TGLVector turned = MATRIXVECROT(GLVECTOR(pos_.X + p.X, pos_.Y + p.Y, pos_.Z + p.Z), rotation_);
        points_[count_++] = GLVECTOR(offset_.X + turned.X, offset_.Y + turned.Y, offset_.Z + turned.Z);
    }
    // `quality` points of radius r round the y axis at height y.
    void addRing(float r, float y, std::int32_t quality) {
        const std::vector<CosSin>& circle = unitCircle(quality);
        for (std::int32_t i = 0; i < quality; ++i) add(GLVECTOR(r * circle[i].c, y, r * circle[i].s));
    }
    NewtonCollision* shape(NewtonWorld* world) const {
        return phy::convexHullShape(world, std::span(points_).first(count_));
    }

private:
    TGLVector offset_, pos_;
    TGLBaseMatrix rotation_;
    std::array<TGLVector, 2 * MAX_BLOCK_QUALITY + 1> points_{};
    std::size_t count_ = 0;
};

std::int32_t blockQuality(std::int32_t quality) { return std::clamp(quality, 3, MAX_BLOCK_QUALITY); }

// A solid of revolution along y: a ring of radius `bottom` at -h/2 and one of
// radius `top` at +h/2, or only the apex when `top` is 0.
NewtonCollision* revolvedBlock(NewtonWorld* world, const TGLVector& offset, const TGLVector& pos,
                               const TGLVector& rot, float bottom, float top, float h, std::int32_t quality) {
    BlockPoints points(offset, pos, rot);
    points.addRing(bottom, -h / 2, quality);
    if (top == 0) {
        points.add(GLVECTOR(0, h / 2, 0));
    } else {
        points.addRing(top, h / 2, quality);
    }
    return points.shape(world);
}

// The block's frame: OFFSET, then the turn of ROT (z, then y, then x), then
// POS, then `inside` (how the block's solid stands in its own frame).
template <typename Slot>
TGLBaseMatrix blockFrame(const Slot& slot, const TGLBaseMatrix& inside = MATRIXLOADIDENTITY()) {
    TGLBaseMatrix frame = MATRIXEULERRAD(slot.ROT);
    const TGLVector shift = MATRIXVECROT(slot.POS, frame);
    MATRIXSETTRANSFORM(GLVECTOR(slot.OFFSET.X + shift.X, slot.OFFSET.Y + shift.Y, slot.OFFSET.Z + shift.Z), frame);
    return MATRIXPRODUCT(frame, inside);
}

// The round blocks' solids stand along z and are turned to stand along y
// (glRotatef(90, -1, 0, 0)).
constexpr TGLBaseMatrix Z_TO_Y = {1, 0, 0, 0, 0, 0, -1, 0, 0, 1, 0, 0, 0, 0, 0, 1};

// The side of a truncated cone along z from radius rOut at -h/2 to rIn at +h/2.
void truncatedConeBand(SolidSink& sink, float rIn, float rOut, float h, std::int32_t quality) {
    if (quality <= 0) return;  // a slot that was never built
    // Eight steps per segment: step 8i is the segment's angle a, step 8i + 1
    // is a plus an eighth of a segment, where the upper normals lean; the
    // closing i = quality leans like i = 0.
    const std::int32_t steps = 8 * quality;
    const std::vector<CosSin>& circle = unitCircle(steps);
    const float z0 = -h / 2;
    sink.begin(GL_QUAD_STRIP);
    for (std::int32_t i = 0; i <= quality; ++i) {
        const CosSin& at = circle[8 * i];
        const CosSin& lean = circle[(8 * i + 1) % steps];
        const double s = (h + 2 * std::numbers::pi * i / quality) * rIn;
        sink.normal(rIn * lean.c, rIn * lean.s, 0);
        sink.texCoord(s, h);
        sink.vertex(rIn * at.c, rIn * at.s, z0 + h);
        sink.normal(rOut * at.c, rOut * at.s, 0);
        sink.texCoord(s, 0);
        sink.vertex(rOut * at.c, rOut * at.s, z0);
    }
    sink.end();
}

}  // namespace

NewtonCollision* PHY_COMPOUNDBLOCKS::BOX2(NewtonWorld* world, const TGLVector& offset, const TGLVector& pos,
                                          const TGLVector& rot, const TGLVector& a1, const TGLVector& b1,
                                          const TGLVector& c1, const TGLVector& d1, const TGLVector& a2,
                                          const TGLVector& b2, const TGLVector& c2, const TGLVector& d2) {
    BOX2_ = {offset, pos, rot, a1, b1, c1, d1, a2, b2, c2, d2};
    DELLIST = true;
    BlockPoints points(offset, pos, rot);
    for (const TGLVector& corner : {a1, b1, c1, d1, a2, b2, c2, d2}) points.add(corner);
    return points.shape(world);
}

NewtonCollision* PHY_COMPOUNDBLOCKS::CONE(NewtonWorld* world, const TGLVector& offset, const TGLVector& pos,
                                          const TGLVector& rot, float radius, float h, std::int32_t quality) {
    CONE_ = {offset, pos, rot, radius, h, blockQuality(quality)};
    DELLIST = true;
    return revolvedBlock(world, offset, pos, rot, radius, 0, h, CONE_.QUALITY);
}

NewtonCollision* PHY_COMPOUNDBLOCKS::TRUNCCONE(NewtonWorld* world, const TGLVector& offset, const TGLVector& pos,
                                               const TGLVector& rot, float rIn, float rOut, float h,
                                               std::int32_t quality) {
    TRUNCCONE_ = {offset, pos, rot, rIn, rOut, h, blockQuality(quality)};
    DELLIST = true;
    return revolvedBlock(world, offset, pos, rot, rOut, rIn, h, TRUNCCONE_.QUALITY);
}

NewtonCollision* PHY_COMPOUNDBLOCKS::CYLINDER(NewtonWorld* world, const TGLVector& offset, const TGLVector& pos,
                                              const TGLVector& rot, float radius, float h, std::int32_t quality) {
    CYLINDER_ = {offset, pos, rot, radius, h, blockQuality(quality)};
    DELLIST = true;
    return revolvedBlock(world, offset, pos, rot, radius, radius, h, CYLINDER_.QUALITY);
}

TGLBaseMatrix PHY_COMPOUNDBLOCKS::FRAME(PHY_COMPOUNDBLOCKSTYPE blockType) const {
    switch (blockType) {
        case PHYCOMPBOX: return blockFrame(BOX_);
        case PHYCOMPBOX2: return blockFrame(BOX2_);
        case PHYCOMPCONE: {
            TGLBaseMatrix inside = Z_TO_Y;
            inside[13] = -CONE_.H / 2;
            return blockFrame(CONE_, inside);
        }
        case PHYCOMPTRUNCCONE: return blockFrame(TRUNCCONE_, Z_TO_Y);
        case PHYCOMPCYLINDER: return blockFrame(CYLINDER_, Z_TO_Y);
        case PHYCOMPSPHERE: {
            const TGLVector& r = SPHERE_.RADIUS;
            return blockFrame(SPHERE_, {r.X, 0, 0, 0, 0, r.Y, 0, 0, 0, 0, r.Z, 0, 0, 0, 0, 1});
        }
        case PHYCOMPTORUS: return blockFrame(TORUS_);
    }
    return MATRIXLOADIDENTITY();
}

void PHY_COMPOUNDBLOCKS::SOLID(SolidSink& sink, PHY_COMPOUNDBLOCKSTYPE blockType) const {
    switch (blockType) {
        case PHYCOMPBOX: CUBO(sink, BOX_.MIN.X, BOX_.MIN.Y, BOX_.MIN.Z, BOX_.MAX.X, BOX_.MAX.Y, BOX_.MAX.Z, 1); break;
        case PHYCOMPBOX2:
            CUBO(sink, BOX2_.A1, BOX2_.B1, BOX2_.C1, BOX2_.D1, BOX2_.A2, BOX2_.B2, BOX2_.C2, BOX2_.D2, 1);
            break;
        case PHYCOMPCONE:
            CONO(sink, 0, 0, 0, CONE_.QUALITY, CONE_.RADIUS, CONE_.H);
            CONO(sink, 0, 0, 0, CONE_.QUALITY, CONE_.RADIUS, 0);
            break;
        case PHYCOMPTRUNCCONE:
            CONO(sink, 0, 0, -TRUNCCONE_.H / 2, TRUNCCONE_.QUALITY, TRUNCCONE_.ROUT, 0);
            truncatedConeBand(sink, TRUNCCONE_.RIN, TRUNCCONE_.ROUT, TRUNCCONE_.H, TRUNCCONE_.QUALITY);
            CONO(sink, 0, 0, TRUNCCONE_.H / 2, TRUNCCONE_.QUALITY, TRUNCCONE_.RIN, 0);
            break;
        // One band along the length, as the cylinder bodies draw theirs.
        case PHYCOMPCYLINDER:
            CILINDRO(sink, 0, 0, -CYLINDER_.H / 2, 1, CYLINDER_.QUALITY, CYLINDER_.RADIUS, CYLINDER_.H, 1);
            break;
        case PHYCOMPSPHERE: SFERA(sink, 0, 0, 0, 1, SPHERE_.QUALITY); break;
        case PHYCOMPTORUS: TOROIDE(sink, 0, 0, 0, TORUS_.TUBER, TORUS_.RADIUS, TORUS_.SIDES, TORUS_.RINGS); break;
    }
}

void PHY_COMPOUNDBLOCKS::DRAW(PHY_COMPOUNDBLOCKSTYPE blockType) const {
    if (!DELLIST) return;
    glPushMatrix();
    glMultMatrixf(FRAME(blockType).data());
    SOLID(immediateSink(), blockType);
    glPopMatrix();
}

void PHY_COMPOUNDBLOCKS::RECORD(SolidMesh& mesh, PHY_COMPOUNDBLOCKSTYPE blockType) const {
    if (!DELLIST) return;
    mesh.setFrame(FRAME(blockType));
    SOLID(mesh, blockType);
}

void PHY_COMPOUNDBLOCKS::DELETE() { DELLIST = false; }
