// Gravity, the standard force callback and the launch impulse.
#include "KEVA_Physics/PhyGravity.h"

#include "KEVA_Physics/PhyVector.h"

TGLVector PHYVECGRAVITY;

namespace {

// The fixed step of a launch, in seconds.
constexpr float kLaunchStep = 0.012f;

}  // namespace

void PHY_SETGRAVITYFORCE(float x, float y, float z) {
    PHYVECGRAVITY = TGLVector{x, y, z};
}

void PHY_GETGRAVITYFORCE(const NewtonBody* body, dFloat, std::int32_t) {
    dFloat mass = 0;
    NewtonBodyGetMassMatrix(body, &mass, nullptr, nullptr, nullptr);
    const TGLVector force = VECMUL(PHYVECGRAVITY, mass);
    NewtonBodyAddForce(body, &force.X);
}

void PHY_ADDIMPULSE(const NewtonBody* body, const TGLVector& vel) {
    TGLVector velocity;
    NewtonBodyGetVelocity(body, &velocity.X);
    TGLBaseMatrix matrix{};
    NewtonBodyGetMatrix(body, matrix.data());
    matrix[12] += kLaunchStep * velocity.X;
    matrix[13] += kLaunchStep * velocity.Y;
    matrix[14] += kLaunchStep * velocity.Z;
    NewtonBodySetMatrix(body, matrix.data());

    const TGLVector none;
    NewtonBodyAddImpulse(body, &none.X, &none.X);

    const TGLVector launch = VECADD(vel, VECMUL(PHYVECGRAVITY, kLaunchStep / 0.15));
    NewtonBodySetVelocity(body, &launch.X);
    NewtonBodySetContinuousCollisionMode(body, 1);
}
