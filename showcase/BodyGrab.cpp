#include "showcase/BodyGrab.h"

#include "KEVA_Physics/PhyPick.h"
#include "KEVA_Physics/engine/KEVA_NewtonExt.h"
#include "kestrova/Input.h"
#include "kestrova/Texture.h"
#include "showcase/GravityLevels.h"
#include "showcase/SceneRegistry.h"

#include <GL/gl.h>

#include <cmath>

namespace {

// The held point closes this share of its distance to the pointer per second
// (a fifth per step at 60 steps a second), at most kGrabSpeed units a second:
// a yank across the window brings the body over in about two seconds.
constexpr float kGrabRate = 12;
constexpr float kGrabSpeed = 40;
// The pull accelerates the body by at most this beyond its weight.
constexpr float kGrabAcceleration = 100;

struct Grab {
    NewtonWorld* world = nullptr;
    NewtonJoint* joint = nullptr;
    float depth = 0;  // fraction along the pick ray where the body was taken
};

Grab held;
bool buttonWasDown = false;

void letGo() {
    if (held.joint) NewtonDestroyJoint(held.world, held.joint);
    held = Grab{};
}

// The click explosion keeps its pick from frame to frame: this cast leaves it as it was.
void take(NewtonWorld* world) {
    NewtonBody* const explosionBody = PICKEDBODY;
    const float explosionParam = PICKEDPARAM;
    PHY_CASTPICKRAY(world, SETOMX, SETOMY);
    NewtonBody* const body = PICKEDBODY;
    const float depth = PICKEDPARAM;
    PICKEDBODY = explosionBody;
    PICKEDPARAM = explosionParam;
    if (!body) return;
    const TGLVector point = PHY_PICKRAYPOINT(SETOMX, SETOMY, depth);
    const float acceleration = kGrabAcceleration + std::fabs(NEWGRAVITY);
    held.joint = NewtonConstraintCreateGrab(world, &point.X, body, kGrabRate, kGrabSpeed, acceleration);
    if (held.joint) {
        held.world = world;
        held.depth = depth;
    }
}

// A thin line from the held point to the pointer.
void drawPull(const TGLVector& target) {
    TGLVector point;
    NewtonGrabGetPoint(held.joint, &point.X);
    TEXTUREOFF();
    glDisable(GL_LIGHTING);
    glColor3f(1, 1, 1);
    glBegin(GL_LINES);
    glVertex3f(point.X, point.Y, point.Z);
    glVertex3f(target.X, target.Y, target.Z);
    glEnd();
    glEnable(GL_LIGHTING);
    TEXTUREON();
}

// The player games look through the player's eyes with the pointer parked at
// the centre (they are the scenes kept when chosen again), and the vehicle has
// no world: nothing is grabbed there.
NewtonWorld* grabbableWorld(const SceneRow* scene) {
    if (!scene || !scene->world || scene->onChoice != OnChoice::REBUILD) return nullptr;
    return *scene->world;
}

}  // namespace

void GRABINSCENE(const SceneRow* scene) {
    NewtonWorld* world = grabbableWorld(scene);
    const bool pressed = GRABMOUSEDOWN && !buttonWasDown;
    buttonWasDown = GRABMOUSEDOWN;
    if (held.joint && (!GRABMOUSEDOWN || held.world != world)) letGo();
    if (!world) return;
    if (pressed) take(world);
    if (!held.joint) return;
    const TGLVector target = PHY_PICKRAYPOINT(SETOMX, SETOMY, held.depth);
    NewtonGrabSetTarget(held.joint, &target.X);
    drawPull(target);
}

void DROPGRABIN(const NewtonWorld* world) {
    if (held.world == world) letGo();
}
