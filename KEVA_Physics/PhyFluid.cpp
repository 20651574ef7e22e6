// Water and air regions: which bodies they hold, the forces they apply, their
// surface for the engine's buoyancy and their wire box.
#include "KEVA_Physics/PhyFluid.h"

#include <GL/gl.h>

#include <cmath>

#include "KEVA_Physics/PhyGravity.h"
#include "KEVA_Physics/PhyRandom.h"
#include "KEVA_Physics/PhyVector.h"
#include "kestrova/Solids.h"

namespace {

constexpr float kAirDensity = 1.225f;
constexpr std::int32_t kWaterBox = 0;
constexpr std::int32_t kAirBox = 3;

struct Reading {
    float mass = 0;
    TGLVector position;
};

Reading readBody(const NewtonBody* body) {
    Reading reading;
    NewtonBodyGetMassMatrix(body, &reading.mass, nullptr, nullptr, nullptr);
    TGLBaseMatrix matrix{};
    NewtonBodyGetMatrix(body, matrix.data());
    reading.position = GLVECTOR(matrix[12], matrix[13], matrix[14]);
    return reading;
}

void store(PHY_Fluid& fluid, const TGLVector& pos, const TGLVector& min, const TGLVector& max, std::int32_t drawType) {
    fluid.POS = pos;
    fluid.MIN = min;
    fluid.MAX = max;
    fluid.DRAWTYPE = drawType;
    fluid.DELLIST = true;
}

// The engine's buoyancy with the fluid's density scaled by the body's own:
// a fluid of density `perMass` per unit of the body's mass over its volume.
void addBuoyancy(const NewtonBody* body, PHY_Fluid& region, float mass, float perMass, float viscosity,
                 const TGLVector& gravity) {
    const dFloat volume = NewtonConvexCollisionCalculateVolume(NewtonBodyGetCollision(body));
    if (!(volume > 0)) return;
    NewtonBodyAddBuoyancyForce(body, mass * perMass / volume, viscosity, viscosity, &gravity.X,
                               PHY_GETCOLLISIONREPULSION, &region);
}

}  // namespace

bool PHY_Fluid::HOLDS(const TGLVector& p) const {
    return POS.X + MIN.X < p.X && p.X < POS.X + MAX.X && POS.Y + MIN.Y < p.Y && p.Y < POS.Y + MAX.Y &&
           POS.Z + MIN.Z < p.Z && p.Z < POS.Z + MAX.Z;
}

bool PHY_Fluid::CREATECUBICFLUID(const NewtonBody* body, const TGLVector& pos, const TGLVector& min,
                                 const TGLVector& max, float density, float viscosity) {
    store(*this, pos, min, max, kWaterBox);
    DENSITY = density;
    VISCOSITY = viscosity;
    const Reading reading = readBody(body);
    if (!HOLDS(reading.position)) return false;
    const std::int32_t r = RANDOM(5) - RANDOM(10);
    const double k = r * std::sin(5.0) * std::cos(5.0) * reading.mass / 3;
    const TGLVector jitter = VECMUL(PHYVECGRAVITY, -k);
    NewtonBodySetForce(body, &jitter.X);
    addBuoyancy(body, *this, reading.mass, DENSITY, VISCOSITY, jitter);
    return true;
}

bool PHY_Fluid::CREATECUBICAIRFLUID(const NewtonBody* body, const TGLVector& pos, const TGLVector& min,
                                    const TGLVector& max) {
    store(*this, pos, min, max, kAirBox);
    const Reading reading = readBody(body);
    if (!HOLDS(reading.position)) return false;
    const TGLVector push = VECMUL(PHYVECGRAVITY, -kAirDensity);
    const TGLVector weight = VECMUL(PHYVECGRAVITY, reading.mass);
    NewtonBodyAddForce(body, &push.X);
    NewtonBodyAddForce(body, &weight.X);
    addBuoyancy(body, *this, reading.mass, kAirDensity, kAirDensity, push);
    return true;
}

void PHY_Fluid::DRAW() const {
    if (!DELLIST || (DRAWTYPE != kWaterBox && DRAWTYPE != kAirBox)) return;
    const TGLVector low = VECADD(POS, MIN);
    const TGLVector high = VECADD(POS, MAX);
    glPushMatrix();
    glDisable(GL_LIGHTING);
    // The wire box negates z; the region's own z is passed negated so that the box stands on it.
    DRAWGLVOLUMEOBJ(1, low.X, low.Y, -low.Z, high.X, high.Y, -high.Z);
    glEnable(GL_LIGHTING);
    glPopMatrix();
}

std::int32_t PHY_GETCOLLISIONREPULSION(std::int32_t, void* context, const dFloat*, dFloat* globalSpacePlane) {
    const auto* region = static_cast<const PHY_Fluid*>(context);
    globalSpacePlane[0] = 0;
    globalSpacePlane[1] = 1;
    globalSpacePlane[2] = 0;
    globalSpacePlane[3] = region ? -(region->POS.Y + region->MAX.Y) : 0;
    return 0;
}
