#include "KEVA_Physics/PhyScenery.h"

#include "KEVA_Physics/PhyBodySetup.h"
#include "kestrova/Matrix.h"

void PHY_ADD3DSCOLLISION(NewtonWorld* world, NewtonBody* /*body*/, const TGL3DSModel& scene3ds, bool autoWorldSize) {
    const TGLAll3dsMesh* model = scene3ds.GETSCENE3DS();
    if (!model) return;
    NewtonCollision* tree = NewtonCreateTreeCollision(world, 0);
    NewtonTreeCollisionBeginBuild(tree);
    FOREACHTRIANGLE(*model, [&](const TGL3dsMesh& mesh, std::uint16_t a, std::uint16_t b, std::uint16_t c) {
        // The corners in reverse: the exchange of y and z on reading turned the file's winding round.
        const T3dpoint face[3] = {mesh.GETVERTEX(c), mesh.GETVERTEX(b), mesh.GETVERTEX(a)};
        NewtonTreeCollisionAddFace(tree, 3, &face[0].X, sizeof(T3dpoint), 1);
    });
    NewtonTreeCollisionEndBuild(tree, 0);
    if (autoWorldSize) {
        const TGLBaseMatrix identity = MATRIXLOADIDENTITY();
        TGLVector minimum, maximum;
        NewtonCollisionCalculateAABB(tree, identity.data(), &minimum.X, &maximum.X);
        NewtonSetWorldSize(world, &minimum.X, &maximum.X);
    }
    phy::bodyFromShape(world, tree);
}
