#include "KEVA_Physics/PhyFaceQuadMesh.h"

NewtonCollision* PHY_CREATEFACEQUAD(NewtonWorld* world, std::span<const TGLVector> vec, std::int32_t shapeId) {
    NewtonCollision* tree = NewtonCreateTreeCollision(world, shapeId);
    NewtonTreeCollisionBeginBuild(tree);
    for (std::size_t k = 0; k + 4 <= vec.size(); k += 4)
        NewtonTreeCollisionAddFace(tree, 4, reinterpret_cast<const float*>(&vec[k]), sizeof(TGLVector), 1);
    NewtonTreeCollisionEndBuild(tree, 1);
    return tree;
}
