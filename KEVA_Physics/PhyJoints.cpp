// Thin wrappers over the engine's ball, hinge and slider joints, and the chain
// links that hair and ropes are strung with.
#include "KEVA_Physics/PhyJoints.h"

#include "KEVA_Physics/PhyVector.h"

NewtonJoint* PHY_ADDJOINTBALL(const NewtonWorld* world, const NewtonBody* parent, const NewtonBody* child,
                              const TGLVector& pos, const TGLVector& dirLimit, float angLimit) {
    NewtonJoint* joint = NewtonConstraintCreateBall(world, &pos.X, child, parent);
    const float limit = DEGTORAD(angLimit);
    NewtonBallSetConeLimits(joint, &dirLimit.X, limit, limit);
    return joint;
}

NewtonJoint* PHY_ADDJOINTHINGE(const NewtonWorld* world, const NewtonBody* parent, const NewtonBody* child,
                               const TGLVector& pos, const TGLVector& dir) {
    return NewtonConstraintCreateHinge(world, &pos.X, &dir.X, child, parent);
}

NewtonJoint* PHY_ADDJOINTSLIDER(const NewtonWorld* world, const NewtonBody* parent, const NewtonBody* child,
                                const TGLVector& pos, const TGLVector& dir) {
    return NewtonConstraintCreateSlider(world, &pos.X, &dir.X, child, parent);
}

void PHY_ADDJOINTSPRING(const NewtonWorld* world, const NewtonBody* parent, const NewtonBody* child,
                        const TGLVector& pos, const TGLVector& dir, float length, std::int32_t num) {
    // Link k is centred k lengths from pos, so link num ends num + 1/2 lengths along.
    const TGLVector pivot = VECADD(VECADD(pos, VECMUL(dir, length / 2)), VECMUL(dir, length * static_cast<float>(num)));
    PHY_ADDJOINTBALL(world, parent, child, pivot, GLVECTOR(0, 1, 0), 0);
}

void PHY_ADDSPRING3(const NewtonWorld* world, const NewtonBody* parent, const NewtonBody* child1,
                    const NewtonBody* child2, const TGLVector& pos, const TGLVector& dir, float length,
                    std::int32_t num) {
    PHY_ADDJOINTSPRING(world, parent, child1, pos, dir, length, num);
    PHY_ADDJOINTSPRING(world, child1, child2, pos, dir, length, num + 1);
}
