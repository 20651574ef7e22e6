// Body placement, state transfer, motion nudges and the drawing transform.
#include "KEVA_Physics/PhyBody.h"

#include <GL/gl.h>

#include "KEVA_Physics/PhyGravity.h"
#include "KEVA_Physics/PhyRandom.h"
#include "KEVA_Physics/PhyVector.h"
#include "kestrova/Matrix.h"

namespace {

TGLBaseMatrix bodyMatrix(const NewtonBody* body) {
    TGLBaseMatrix matrix{};
    NewtonBodyGetMatrix(body, matrix.data());
    return matrix;
}

TGLVector read(const NewtonBody* body, void (*get)(const NewtonBody*, dFloat*)) {
    TGLVector v;
    get(body, &v.X);
    return v;
}

float spin(std::int32_t n) {
    return static_cast<float>(n) / 2.0f - static_cast<float>(RANDOM(n));
}

}  // namespace

void PHY_SETBODYPROPCALLBACK(const NewtonBody* body) {
    NewtonBodySetForceAndTorqueCallback(body, PHY_GETGRAVITYFORCE);
}

void PHY_SETBODYPROP(const NewtonBody* body, const TGLVector& pos, const TGLVector& inertia, float mass) {
    NewtonBodySetMassMatrix(body, mass, inertia.X, inertia.Y, inertia.Z);
    PHY_SETBODYPOSITION(body, pos);
}

void PHY_SETBODYPOSITION(const NewtonBody* body, const TGLVector& pos) {
    TGLBaseMatrix matrix = bodyMatrix(body);
    MATRIXSETTRANSFORM(pos, matrix);
    NewtonBodySetMatrix(body, matrix.data());
}

void PHY_SETBODYANGLE(const NewtonBody* body, const TGLVector& rot) {
    const TGLBaseMatrix matrix = MATRIXEULERRAD(rot, bodyMatrix(body));
    NewtonBodySetMatrix(body, matrix.data());
}

void PHY_GETALLBODYPROPERTIES(const NewtonBody* body, TGLBaseMatrix& mat, TGLVector& omega, TGLVector& velocity,
                              TGLVector& force, TGLVector& torque, TGLVector& inertia, float& mass) {
    NewtonBodyGetMassMatrix(body, &mass, &inertia.X, &inertia.Y, &inertia.Z);
    mat = bodyMatrix(body);
    omega = read(body, NewtonBodyGetOmega);
    velocity = read(body, NewtonBodyGetVelocity);
    force = read(body, NewtonBodyGetForce);
    torque = read(body, NewtonBodyGetTorque);
}

void PHY_SETALLBODYPROPERTIES(const NewtonBody* body, const TGLBaseMatrix& mat, const TGLVector& omega,
                              const TGLVector& velocity, const TGLVector& force, const TGLVector& torque,
                              const TGLVector& inertia, float mass) {
    NewtonBodySetMassMatrix(body, mass, inertia.X, inertia.Y, inertia.Z);
    NewtonBodySetMatrix(body, mat.data());
    NewtonBodySetOmega(body, &omega.X);
    NewtonBodySetVelocity(body, &velocity.X);
    NewtonBodySetForce(body, &force.X);
    NewtonBodySetTorque(body, &torque.X);
}

void PHY_GETBODYPOROPBEGIN(const NewtonBody* body) {
    const TGLBaseMatrix matrix = bodyMatrix(body);
    glPushMatrix();
    glMultMatrixf(matrix.data());
}

void PHY_GETBODYPOROPEND() {
    glPopMatrix();
}

void PHY_SETRNDORIENTBODY(const NewtonBody* body, std::int32_t x, std::int32_t y, std::int32_t z) {
    const float spinX = spin(x);
    const float spinY = spin(y);
    const TGLVector omega{spinX, spinY, spin(z)};
    NewtonBodySetOmega(body, &omega.X);
}

void PHY_ADDVELOCITY(const NewtonBody* body, const TGLVector& vec) {
    const TGLVector sum = VECADD(read(body, NewtonBodyGetVelocity), vec);
    NewtonBodySetVelocity(body, &sum.X);
}

void PHY_ADDOMEGA(const NewtonBody* body, const TGLVector& vec) {
    const TGLVector sum = VECADD(read(body, NewtonBodyGetOmega), vec);
    NewtonBodySetOmega(body, &sum.X);
}

void PHY_STOPVELOCITY(const NewtonBody* body) {
    const TGLVector still;
    NewtonBodySetVelocity(body, &still.X);
}

void PHY_GETBOUNDINGBOX(const NewtonCollision* collision, TGLVector& min, TGLVector& max) {
    const TGLVector up{1, 1, 1};
    const TGLVector down{-1, -1, -1};
    NewtonCollisionSupportVertex(collision, &up.X, &max.X);
    NewtonCollisionSupportVertex(collision, &down.X, &min.X);
}
