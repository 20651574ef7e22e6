// One-shot explosions and the blast field.
#include "KEVA_Physics/PhyExplosion.h"

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyGravity.h"
#include "KEVA_Physics/PhyVector.h"

TGLVector EXPLOPOS;
float EXPLOR = 0;
float EXPLOSTRENGTH = 0;
bool EXPLOACTIVE = false;
std::int32_t EXPLOMODE = 0;

namespace {

// √9.81: the blast force per unit of mass, distance and strength, times 100.
constexpr double kBlastFactor = 3.132091952673165;
constexpr std::int32_t kSpin = 22;

TGLVector bodyPosition(const NewtonBody* body, TGLBaseMatrix& matrix) {
    NewtonBodyGetMatrix(body, matrix.data());
    return TGLVector{matrix[12], matrix[13], matrix[14]};
}

float squaredLength(const TGLVector& v) {
    return v.X * v.X + v.Y * v.Y + v.Z * v.Z;
}

// The unit vector from point towards the body's nearest point; false when the
// engine has no answer (the point is inside the body).
bool awayFrom(const NewtonBody* body, const TGLBaseMatrix& matrix, const TGLVector& point, TGLVector& normal) {
    TGLVector contact;
    return NewtonCollisionPointDistance(NewtonBodyGetWorld(body), &point.X, NewtonBodyGetCollision(body),
                                        matrix.data(), &contact.X, &normal.X, 0) != 1;
}

}  // namespace

void PHY_ADDEXPLOSION(const NewtonWorld*, const NewtonBody* body, const TGLVector& origin, float strength,
                      float radius) {
    TGLBaseMatrix matrix{};
    const TGLVector position = bodyPosition(body, matrix);
    if (position.X == origin.X) return;
    TGLVector normal;
    if (!awayFrom(body, matrix, origin, normal)) return;
    const float distance2 = squaredLength(VECSUB(position, origin));
    if (distance2 > radius) return;
    const float falloff = (radius - distance2) / radius;
    const TGLVector push = VECMUL(normal, strength * strength * falloff);
    NewtonBodyAddImpulse(body, &push.X, &origin.X);
}

void PHY_ADDREALEXPLOSION(const NewtonBody* body, const TGLVector& origin, float strength, float radius,
                          std::int32_t mode, bool enable) {
    EXPLOPOS = origin;
    EXPLOR = radius;
    EXPLOSTRENGTH = strength;
    EXPLOACTIVE = enable;
    EXPLOMODE = mode > 5 ? 5 : mode;
    NewtonBodySetForceAndTorqueCallback(body, PHY_GETREALEXPLOSION);
}

void PHY_GETREALEXPLOSION(const NewtonBody* body, dFloat timeStep, std::int32_t threadIndex) {
    PHY_GETGRAVITYFORCE(body, timeStep, threadIndex);
    if (!EXPLOACTIVE || EXPLOMODE < 0) return;
    TGLBaseMatrix matrix{};
    const TGLVector position = bodyPosition(body, matrix);
    TGLVector normal;
    if (!awayFrom(body, matrix, EXPLOPOS, normal)) return;
    if (!(squaredLength(VECSUB(EXPLOPOS, position)) < EXPLOR * EXPLOR)) return;

    dFloat mass = 0;
    NewtonBodyGetMassMatrix(body, &mass, nullptr, nullptr, nullptr);
    const TGLVector blast = VECMUL(VECSUB(position, EXPLOPOS), mass * kBlastFactor * EXPLOSTRENGTH / 100.0);
    switch (EXPLOMODE % 3) {
    case 0: {
        const TGLVector force = VECMUL(blast, 200);
        NewtonBodyAddForce(body, &force.X);
        break;
    }
    case 1:
        NewtonBodyAddImpulse(body, &blast.X, &EXPLOPOS.X);
        break;
    default:
        PHY_ADDIMPULSE(body, blast);
        break;
    }
    if (EXPLOMODE >= 3) PHY_SETRNDORIENTBODY(body, kSpin, kSpin, kSpin);
}
