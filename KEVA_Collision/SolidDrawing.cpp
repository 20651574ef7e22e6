// Drawing of quads, boxes, morph cones and cylinders.
#include "KEVA_Collision/SolidDrawing.h"

#include "KEVA_Collision/CollisionVector.h"
#include "KEVA_Collision/SolidShapes.h"
#include "kestrova/Solids.h"

#include <GL/gl.h>

namespace collision {

namespace {

// The quad placed by `place`, drawn as the culling stands.
void placedQuad(const Placement& place, const Quad& quad) {
    const TGLVector pa = VECADD(place.POS, VECROT(quad.A, place.ROT)),
                    pb = VECADD(place.POS, VECROT(quad.B, place.ROT));
    const TGLVector pc = VECADD(place.POS, VECROT(quad.C, place.ROT)),
                    pd = VECADD(place.POS, VECROT(quad.D, place.ROT));
    QUAD(pa.X, pa.Y, pa.Z, pb.X, pb.Y, pb.Z, pc.X, pc.Y, pc.Z, pd.X, pd.Y, pd.Z);
}

void placedMorphCone(const Placement& place, const MorphCone& cone) {
    ANYMORPHCONESIDE(cone, [&](const Quad& side) {
        placedQuad(place, side);
        return false;
    });
}

// The quads show both sides, and culling is on after them. Culling is
// switched once round a whole solid, not round each of its quads: every
// switch would end the renderer's run of quads and start a draw of its own.
template <typename Draw>
void bothSides(Draw&& draw) {
    glDisable(GL_CULL_FACE);
    draw();
    glEnable(GL_CULL_FACE);
}

}  // namespace

void RENDERQUAD(const TGLVector& pos, const TGLVector& rot, const TGLVector& a, const TGLVector& b, const TGLVector& c,
                const TGLVector& d) {
    bothSides([&] { placedQuad({pos, rot}, Quad{a, b, c, d}); });
}

void RENDERCUBE(const TGLVector& pos, const TGLVector& rot, float x1, float y1, float z1, float x2, float y2,
                float z2) {
    bothSides([&] {
        for (const Quad& face : CUBEFACES(x1, y1, z1, x2, y2, z2)) placedQuad({pos, rot}, face);
    });
}

void RENDERMORPHCONE(const TGLVector& pos, const TGLVector& rot, std::int32_t numpoints, float r1, float r2, float h) {
    bothSides([&] { placedMorphCone({pos, rot}, MorphCone{numpoints, r1, r2, h}); });
}

void RENDERCYLINDER(const TGLVector& pos, const TGLVector& rot, std::int32_t numpoints, float r, float h) {
    bothSides([&] {
        for (const PlacedCone& part : CYLINDERPARTS({pos, rot}, numpoints, r, h))
            placedMorphCone(part.PLACE, part.CONE);
    });
}

}  // namespace collision
