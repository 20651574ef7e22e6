#include "KEVA_Physics/PhyVehicleForces.h"

#include "KEVA_Physics/PhyVector.h"

TGLVector PUTGRAVITY(const TGLVector& point, const TGLVector& gravity, float mobj) {
    TGLVector pull = VECDIV(VECSUB(VECMUL(gravity, 9.81), point), GR * MM * mobj);
    if (gravity.X == 0) pull.X = 0;
    if (gravity.Y == 0) pull.Y = 0;
    if (gravity.Z == 0) pull.Z = 0;
    return pull;
}

float PUTFRICTION(float friction, float mass, float speed) {
    return -friction * mass * speed;
}
