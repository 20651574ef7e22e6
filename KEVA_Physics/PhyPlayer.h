#pragma once
// The first-person player: an upright ellipsoid body pushed by its force
// callback towards the speed its keys ask for, turned by the mouse, jumping
// while it stands on something; its view becomes the camera.
#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

#include <cstdint>

struct PHY_PLAYERGAME {
    std::int32_t MATOBJECTID = 0;  // the engine's default material group
    std::int32_t MATPLAYERID = 0;  // the player's own group
    NewtonBody* NEWBODY = nullptr;
    TGLVector EXTERNALFORCE;  // added every step: the jump
    TGLBaseMatrix MATRIX{};   // the body's matrix as SETCAMERA last read it
    bool RUN = false;         // triple speed
    TGLVector ROTATION;       // view angles in degrees: x pitch (-80 … 80), y heading, z roll
    TGLVector MOVEMENT;       // wanted walking direction (x, z)
    TGLVector SIZE;           // the body's three radii
    float DIR = 0;
    // This player's own walking speed, jump force and mass; SETCAMERA hands
    // them to the force callback with the rest of the record, so that each
    // scene's player keeps its own.
    float SPEED = 20, JUMPFORCE = 5000, MASS = 25;

    void SETMATERIAL(NewtonWorld* world);
    void SETELASTICITY(NewtonWorld* world, float elastic);
    void SETFRICTION(NewtonWorld* world, float staticFriction, float kineticFriction);
    // A body of radii `size` at `pos`, kept upright. Speed, jump force and
    // mass of 0 or less take 20, 5000 and 25.
    void SETPLAYER(NewtonWorld* world, const TGLVector& pos, const TGLVector& size, float speed, float jumpForce,
                   float mass);
    // Turns the view by the pointer's distance from the window centre
    // (`speed` degrees per 100 pixels) and puts the pointer back there; only
    // while the window is in the foreground, and the first reading after a
    // pause only puts the pointer back. Looking up and down stops at ±80°.
    void MOUSEMOVE(float speed);
    // The walking direction from the keys; down wins over up, right over
    // left. With none of the four held the player stops within a few frames.
    void MOVECOMMANDS(bool up, bool down, bool left, bool right, bool run);
    // While `enable` and the ground lies within 1.1 heights below the centre,
    // the next steps push the player up with its jump force.
    void JUMP(bool enable);
    // Hands the record to the force callback and turns the view to the
    // player's eyes (`zoom` moves it back along the view).
    void SETCAMERA(float zoom);
};

// The player the force callback drives and the ground probe leaves out (a copy
// of the record SETCAMERA last handed over), its settings and the hit fraction
// of the last ground probe.
extern PHY_PLAYERGAME PHYBASEPLAYER;
extern float PHYPLAYERSPEED;
extern float PHYPLAYERMASS;
extern float PHYPLAYERJUMPFORCE;
extern float PHYBASEDISTANCE;

void PHY_SETPLAYERCALLBACK(const PHY_PLAYERGAME& player);
// Gravity, then a horizontal force of 300·(goal − velocity), each axis within
// ±1200, towards the walking direction at the player's speed, then the jump.
void PHY_APPLYFORCECALLBACK(const NewtonBody* body, dFloat timeStep, std::int32_t threadIndex);
// Ground probe filter: keeps the fraction of the nearest hit that is not the player.
dFloat RAYCASTFILTER(const NewtonBody* body, const dFloat* hitNormal, std::int32_t collisionId, void* userData,
                     dFloat intersectParam);
