// Drawing of quads, boxes, morph cones and cylinders.
#include "KEVA_Collision/SolidDrawing.h"

#include "KEVA_Collision/CollisionVector.h"
#include "KEVA_Collision/SolidShapes.h"
#include "kestrova/Solids.h"

#include <GL/gl.h>

namespace collision {

namespace {

void renderQuad(const Placement& place, const Quad& quad) {
    RENDERQUAD(place.POS, place.ROT, quad.A, quad.B, quad.C, quad.D);
}

}  // namespace

void RENDERQUAD(const TGLVector& pos, const TGLVector& rot, const TGLVector& a, const TGLVector& b, const TGLVector& c,
                const TGLVector& d) {
    const TGLVector pa = VECADD(pos, VECROT(a, rot)), pb = VECADD(pos, VECROT(b, rot));
    const TGLVector pc = VECADD(pos, VECROT(c, rot)), pd = VECADD(pos, VECROT(d, rot));
    glDisable(GL_CULL_FACE);
    QUAD(pa.X, pa.Y, pa.Z, pb.X, pb.Y, pb.Z, pc.X, pc.Y, pc.Z, pd.X, pd.Y, pd.Z);
    glEnable(GL_CULL_FACE);
}

void RENDERCUBE(const TGLVector& pos, const TGLVector& rot, float x1, float y1, float z1, float x2, float y2,
                float z2) {
    for (const Quad& face : CUBEFACES(x1, y1, z1, x2, y2, z2)) renderQuad({pos, rot}, face);
}

void RENDERMORPHCONE(const TGLVector& pos, const TGLVector& rot, std::int32_t numpoints, float r1, float r2, float h) {
    ANYMORPHCONESIDE(MorphCone{numpoints, r1, r2, h}, [&](const Quad& side) {
        renderQuad({pos, rot}, side);
        return false;
    });
}

void RENDERCYLINDER(const TGLVector& pos, const TGLVector& rot, std::int32_t numpoints, float r, float h) {
    for (const PlacedCone& part : CYLINDERPARTS({pos, rot}, numpoints, r, h))
        RENDERMORPHCONE(part.PLACE.POS, part.PLACE.ROT, part.CONE.NUMPOINTS, part.CONE.R1, part.CONE.R2, part.CONE.H);
}

}  // namespace collision
