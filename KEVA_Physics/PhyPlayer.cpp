// The first-person player: set-up, keys and mouse, the ground probe of the
// jump, the camera and the force callback that walks the body.
#include "KEVA_Physics/PhyPlayer.h"

#include "KEVA_Physics/PhyGravity.h"
#include "kestrova/Matrix.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/Platform.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

PHY_PLAYERGAME PHYBASEPLAYER;
float PHYPLAYERSPEED = 20;
float PHYPLAYERMASS = 25;
float PHYPLAYERJUMPFORCE = 5000;
float PHYBASEDISTANCE = 1.1f;

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr float kLookLimit = 80;
constexpr float kForceLimit = 1200;

TGLVector translation(const TGLBaseMatrix& m) { return TGLVector{m[12], m[13], m[14]}; }

// The ground probe starts inside the player, so the player's own body is left
// out before the ray can meet it.
unsigned notThePlayer(const NewtonBody* body, const NewtonCollision*, void*) {
    return body != PHYBASEPLAYER.NEWBODY ? 1 : 0;
}

// Adds `sign` times the unit direction of heading `degrees` to the walk.
void walk(TGLVector& movement, float degrees, float sign) {
    const float h = degrees * kPi / 180;
    movement.X += sign * std::sin(h);
    movement.Z += sign * std::cos(h);
}

}  // namespace

void PHY_PLAYERGAME::SETMATERIAL(NewtonWorld* world) {
    MATOBJECTID = NewtonMaterialGetDefaultGroupID(world);
    MATPLAYERID = NewtonMaterialCreateGroupID(world);
}

void PHY_PLAYERGAME::SETELASTICITY(NewtonWorld* world, float elastic) {
    NewtonMaterialSetDefaultElasticity(world, MATOBJECTID, MATPLAYERID, elastic);
}

void PHY_PLAYERGAME::SETFRICTION(NewtonWorld* world, float staticFriction, float kineticFriction) {
    NewtonMaterialSetDefaultFriction(world, MATOBJECTID, MATPLAYERID, staticFriction, kineticFriction);
}

void PHY_PLAYERGAME::SETPLAYER(NewtonWorld* world, const TGLVector& pos, const TGLVector& size, float speed,
                               float jumpForce, float mass) {
    SPEED = speed > 0 ? speed : 20;
    JUMPFORCE = jumpForce > 0 ? jumpForce : 5000;
    MASS = mass > 0 ? mass : 25;
    PHYPLAYERSPEED = SPEED;
    PHYPLAYERJUMPFORCE = JUMPFORCE;
    PHYPLAYERMASS = MASS;
    SIZE = size;
    NewtonSetPlatformArchitecture(world, 0);

    NewtonCollision* shape = NewtonCreateSphere(world, size.X, size.Y, size.Z, 0, nullptr);
    const TGLBaseMatrix identity = MATRIXLOADIDENTITY();
    NEWBODY = NewtonCreateBody(world, shape, identity.data());
    NewtonReleaseCollision(world, shape);
    NewtonBodySetForceAndTorqueCallback(NEWBODY, PHY_APPLYFORCECALLBACK);
    const float x2 = size.X * size.X, y2 = size.Y * size.Y, z2 = size.Z * size.Z;
    NewtonBodySetMassMatrix(NEWBODY, MASS, 0.2f * MASS * (x2 + y2), 0.2f * MASS * (x2 + z2), 0.2f * MASS * (y2 + z2));
    TGLBaseMatrix placed = identity;
    MATRIXSETTRANSFORM(pos, placed);
    NewtonBodySetMatrix(NEWBODY, placed.data());
    MATRIX = placed;
    // A running player covers more than its own width in a few steps: the
    // engine sweeps it, so that it cannot slip through a thin wall.
    NewtonBodySetContinuousCollisionMode(NEWBODY, 1);
    const dFloat up[3] = {0, 1, 0};
    NewtonConstraintCreateUpVector(world, up, NEWBODY);
    NewtonBodySetUserData(NEWBODY, this);
    NewtonBodySetMaterialGroupID(NEWBODY, MATPLAYERID);
}

void PHY_PLAYERGAME::MOUSEMOVE(float speed) {
    if (!platform::windowInForeground()) return;
    const int centreX = WIDTH / 2, centreY = HEIGHT / 2;
    int x = centreX, y = centreY;
    const bool held = platform::parkedPointer(x, y);
    platform::parkPointer(centreX, centreY);
    if (!held) return;
    ROTATION.Y -= static_cast<float>(x - centreX) / 100 * speed;
    ROTATION.X -= static_cast<float>(centreY - y) / 100 * speed;
    ROTATION.X = std::clamp(ROTATION.X, -kLookLimit, kLookLimit);
}

void PHY_PLAYERGAME::MOVECOMMANDS(bool up, bool down, bool left, bool right, bool run) {
    MOVEMENT = TGLVector{0, 0, 0};
    if (up || down) walk(MOVEMENT, ROTATION.Y, down ? 1 : -1);
    if (left || right) walk(MOVEMENT, ROTATION.Y + 90, right ? 1 : -1);
    if (!(up || down || left || right) && NEWBODY) {
        TGLVector velocity;
        NewtonBodyGetVelocity(NEWBODY, &velocity.X);
        velocity.X /= 20;
        velocity.Z /= 20;
        NewtonBodySetVelocity(NEWBODY, &velocity.X);
    }
    RUN = run;
}

void PHY_PLAYERGAME::JUMP(bool enable) {
    EXTERNALFORCE = TGLVector{0, 0, 0};
    if (!enable || !NEWBODY) return;
    const TGLVector from = translation(MATRIX);
    const TGLVector to{from.X, from.Y - 1.1f * SIZE.Y, from.Z};
    PHYBASEDISTANCE = 1.1f;
    NewtonWorldRayCast(NewtonBodyGetWorld(NEWBODY), &from.X, &to.X, RAYCASTFILTER, nullptr, notThePlayer);
    if (PHYBASEDISTANCE < 1) EXTERNALFORCE = TGLVector{0, JUMPFORCE, 0};
}

void PHY_PLAYERGAME::SETCAMERA(float zoom) {
    PHY_SETPLAYERCALLBACK(*this);
    glTranslatef(0, 0, zoom);
    if (NEWBODY) NewtonBodyGetMatrix(NEWBODY, MATRIX.data());
    glRotatef(ROTATION.X, 1, 0, 0);
    glRotatef(ROTATION.Y, 0, -1, 0);
    glRotatef(ROTATION.Z, 0, 0, 1);
    const TGLVector pos = translation(MATRIX);
    glTranslatef(-pos.X, -pos.Y, -pos.Z);
}

void PHY_SETPLAYERCALLBACK(const PHY_PLAYERGAME& player) {
    PHYBASEPLAYER = player;
    PHYPLAYERSPEED = player.SPEED;
    PHYPLAYERJUMPFORCE = player.JUMPFORCE;
    PHYPLAYERMASS = player.MASS;
}

void PHY_APPLYFORCECALLBACK(const NewtonBody* body, dFloat timeStep, std::int32_t threadIndex) {
    if (!NewtonBodyGetUserData(body)) return;
    PHY_GETGRAVITYFORCE(body, timeStep, threadIndex);
    NewtonBodyGetMatrix(body, PHYBASEPLAYER.MATRIX.data());

    TGLVector& movement = PHYBASEPLAYER.MOVEMENT;
    float length = std::sqrt(movement.X * movement.X + movement.Z * movement.Z);
    if (length == 0) length = 1;
    movement.X /= length;
    movement.Z /= length;
    const float speed = PHYPLAYERSPEED * (PHYBASEPLAYER.RUN ? 3 : 1);

    TGLVector velocity;
    NewtonBodyGetVelocity(body, &velocity.X);
    const TGLVector force{std::clamp(300 * (speed * movement.X - velocity.X), -kForceLimit, kForceLimit), 0,
                          std::clamp(300 * (speed * movement.Z - velocity.Z), -kForceLimit, kForceLimit)};
    NewtonBodyAddForce(body, &force.X);
    NewtonBodyAddForce(body, &PHYBASEPLAYER.EXTERNALFORCE.X);
}

dFloat RAYCASTFILTER(const NewtonBody* body, const dFloat*, std::int32_t, void*, dFloat intersectParam) {
    if (body != PHYBASEPLAYER.NEWBODY) PHYBASEDISTANCE = intersectParam;
    return intersectParam;
}
