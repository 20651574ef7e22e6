// "Veicolo": a car that drives, steers and brakes on a ground quad, falls off
// its edges and bounces off a cylinder and a box, all with its own arithmetic
// and the engine-free overlap tests.
#include "KEVA_Collision/CollisionVector.h"
#include "KEVA_Collision/SolidDrawing.h"
#include "KEVA_Collision/SolidTests.h"
#include "KEVA_Collision/TriangleTests.h"
#include "KEVA_Physics/PhyVehicleForces.h"
#include "kestrova/Input.h"
#include "kestrova/VectorSums.h"
#include "kestrova/WinTypes.h"
#include "showcase/SceneFramework.h"
#include "showcase/ScenePause.h"
#include "showcase/SceneRegistry.h"
#include "showcase/Shell.h"
#include "showcase/VehicleState.h"

#include <cmath>

namespace {

constexpr float PI = KESTROVA_PI;
const TGLVector NOTURN{0, 0, 0};

// The wheels in the order of their flags: front left, front right, rear left,
// rear right. The right ones are turned half round, so that all four stick
// out of the body, and roll the other way.
struct Wheel {
    TGLVector offset;
    float halfTurn, roll;
    bool steered;
};
const Wheel WHEELS[4] = {
    {{-2.5f, 0, -4}, 0, 1, true},
    {{2.5f, 0, -4}, 180, -1, true},
    {{-2.5f, 0, 4}, 0, 1, false},
    {{2.5f, 0, 4}, 180, -1, false},
};
constexpr std::int32_t WHEELQUALITY = 8;
constexpr float WHEELRADIUS = 2, WHEELWIDTH = 1;

// The two obstacles, each with the sphere its exact test waits for.
const TGLVector POLE{-16, -16, -22}, POLESPHERE{-16, -13.5f, -22};
constexpr std::int32_t POLEQUALITY = 6;
constexpr float POLERADIUS = 4, POLEHEIGHT = 5, POLESPHERERADIUS = 5;
const TGLVector CRATE{40, -16, -66}, CRATESPHERE{40, -13, -66};
constexpr float CRATESPHERERADIUS = 7;

// The ground quad around TERRAIN, its normal up.
const TGLVector GROUND[4] = {{-150, 0, -150}, {150, 0, -150}, {-150, 0, 150}, {150, 0, 150}};

bool steering() { return SETGLKEY('A') || SETGLKEY(VK_LEFT) || SETGLKEY('D') || SETGLKEY(VK_RIGHT); }

void readDriverKeys() {
    if (SETGLKEY('W') || SETGLKEY(VK_UP)) ACCELERATION = -5 / MASS[1];
    if (SETGLKEY('S') || SETGLKEY(VK_DOWN)) ACCELERATION = 5 / MASS[1];
    if (SETGLKEY('A') || SETGLKEY(VK_LEFT)) TURNANGLE = std::min(TURNANGLE + 1.25f / MASS[1], 30.0f);
    if (SETGLKEY('D') || SETGLKEY(VK_RIGHT)) TURNANGLE = std::max(TURNANGLE - 1.25f / MASS[1], -30.0f);
    if (SETGLKEY(VK_SPACE)) {
        if (SPEED > 0) SPEED = std::max(SPEED - 0.25f, 0.0f);
        if (SPEED < 0) SPEED = std::min(SPEED + 0.25f, 0.0f);
    }
}

// The heading follows the steered wheels; they straighten by themselves
// while the car rolls and no steering key is held.
void steer() {
    WHEELBASE = 2;
    if (std::fabs(TURNANGLE) > 0.25f) {
        SA = TURNANGLE * PI / 180;
        TURNRADIUS = WHEELBASE / std::sin(SA);
        VECANGULAR = SPEED / TURNRADIUS;
        DH = ELAPSED * VECANGULAR * 180 / PI;
        HEADING += DH;
    }
    if (SPEED != 0 && !steering()) {
        if (TURNANGLE > 0) TURNANGLE = std::max(TURNANGLE - 1, 0.0f);
        if (TURNANGLE < 0) TURNANGLE = std::min(TURNANGLE + 1, 0.0f);
    }
}

void drive() {
    FRICTION = PUTFRICTION(0.025f, MASS[1], SPEED);
    ANG = HEADING * PI / 180;
    const float drives = SPEED1 + SPEED2 + SPEED3 + SPEED4;
    DIST = drives * (ACCELERATION * 0.5f) * ELAPSED * ELAPSED + SPEED * ELAPSED + ELAPSED * FRICTION;
    BOX[1].X = MOVE[1].X + BOX[1].X + std::sin(-ANG) * MASS[1] * DIST;
    BOX[1].Y = MOVE[1].Y;
    BOX[1].Z = MOVE[1].Z + BOX[1].Z + MASS[1] * DIST * std::cos(ANG);
    SPEED = drives * ACCELERATION * ELAPSED + SPEED + ELAPSED * FRICTION;
    WHEELROT += SPEED;
    SPEED1 = SPEED2 = SPEED3 = SPEED4 = 1;
}

TGLVector wheelPosition(const Wheel& wheel) { return VECADD(BOX[1], collision::VECROT(wheel.offset, 0, HEADING, 0)); }

TGLVector wheelTurn(const Wheel& wheel) {
    return TGLVector{wheel.roll * WHEELROT, HEADING + wheel.halfTurn - (wheel.steered ? TURNANGLE : 0), 90};
}

void drawCar() {
    SCENEMATERIAL(210, 210, 210);
    collision::RENDERCUBE(BOX[1], TGLVector{0, HEADING, 0}, -2.5f, 0, -4, 2.5f, 2, 4);
    SCENEMATERIAL(45, 45, 45);
    for (const Wheel& wheel : WHEELS)
        collision::RENDERCYLINDER(wheelPosition(wheel), wheelTurn(wheel), WHEELQUALITY, WHEELRADIUS, WHEELWIDTH);
}

// A wheel touches an obstacle when its sphere reaches the obstacle's and the
// exact test agrees; the flag says so afresh every frame.
bool wheelTouchesObstacle(const Wheel& wheel) {
    using namespace collision;
    const TGLVector pos = wheelPosition(wheel), turn = wheelTurn(wheel);
    const bool pole = SPHEREINSIDESPHERE2(pos, POLESPHERE, WHEELRADIUS, POLESPHERERADIUS) &&
                      CYLINDERINCYLINDER(pos, turn, WHEELQUALITY, WHEELRADIUS, WHEELWIDTH, POLE, NOTURN, POLEQUALITY,
                                         POLERADIUS, POLEHEIGHT);
    const bool crate =
        SPHEREINSIDESPHERE2(pos, CRATESPHERE, WHEELRADIUS, CRATESPHERERADIUS) &&
        CUBEINCYLINDER(CRATE, NOTURN, -5, 0, -3, 5, 6, 3, pos, turn, WHEELQUALITY, WHEELRADIUS, WHEELWIDTH);
    return pole || crate;
}

void obstacles() {
    SCENEMATERIAL(60, 180, 0);
    collision::RENDERCYLINDER(POLE, NOTURN, POLEQUALITY, POLERADIUS, POLEHEIGHT);
    SCENEMATERIAL(150, 180, 0);
    collision::RENDERCUBE(CRATE, NOTURN, -5, 0, -3, 5, 6, 3);
    bool* const flags[4] = {&COL1, &COL2, &COL3, &COL4};
    for (int i = 0; i < 4; ++i) *flags[i] = wheelTouchesObstacle(WHEELS[i]);
}

void ground() {
    TERRAIN = TGLVector{0, -16, 0};
    GRAVITY = TGLVector{0, 1, 0};
    SCENEMATERIAL(240, 240, 240);
    collision::RENDERQUAD(TERRAIN, NOTURN, GROUND[0], GROUND[1], GROUND[2], GROUND[3]);
    COLTER = false;
    for (const Wheel& wheel : WHEELS)
        COLTER = COLTER || collision::QUADINCYLINDER(TERRAIN, NOTURN, GROUND[0], GROUND[1], GROUND[2], GROUND[3],
                                                     wheelPosition(wheel), wheelTurn(wheel), WHEELQUALITY, WHEELRADIUS,
                                                     WHEELWIDTH);
}

// Off the ground the car falls; standing on it, it is lifted back slowly
// while its wheels are sunk too deep.
void fallOrStand() {
    FGT[1] = ENABLEGRAVITY ? PUTGRAVITY(TERRAIN, GRAVITY, MASS[1] / 2) : TGLVector{0, 0, 0};
    if (!COLTER) MOVE[1] = VECSUB(MOVE[1], FGT[1]);
    if (COLTER && MOVE[1].Y < TERRAIN.Y + 1.8f)
        MOVE[1] = VECADD(MOVE[1], VECMUL(VECSUB(FGT[1], MOVE[1]), MASS[1] * 0.015 * 0.015));
}

// A wheel against an obstacle throws the car back: the speed reverses and
// the car gives back half of this frame's move; steering turns it aside.
void bounceOffObstacles() {
    if (!(COL1 || COL2 || COL3 || COL4)) return;
    SPEED = -(6 * FRICTION + SPEED);
    BOX[1].X -= MASS[1] / 2 * DIST * std::sin(-ANG);
    BOX[1].Z -= MASS[1] / 2 * DIST * std::cos(ANG);
    if (SPEED > 0.05f || SPEED < -0.05f) {
        const float turn = SPEED > 3 ? 3 : SPEED / 2;
        if (SETGLKEY('A') || SETGLKEY(VK_LEFT)) HEADING -= turn;
        if (SETGLKEY('D') || SETGLKEY(VK_RIGHT)) HEADING += turn;
    }
}

}  // namespace

void TESTVHEICLE() {
    ELAPSED = 0.05f;
    ACCELERATION = 0;
    MASS[1] = 3;
    if (REPEATCOUNTER(RESETTIMER, SETGLKEY('R'))) RESET();
    // Paused, the car stands as it is and is only drawn.
    const bool moves = SCENEADVANCES();
    if (moves) {
        readDriverKeys();
        steer();
        drive();
    }
    drawCar();
    obstacles();
    ground();
    if (moves) {
        fallOrStand();
        bounceOffObstacles();
    }
}

namespace {
// Choosing the scene keeps the car as it was; "Info demo" runs one frame.
const SceneRegistration vehicleRow({808, "&Extra", "Veicolo", "", nullptr, TESTVHEICLE, nullptr, OnChoice::RESUME});
}  // namespace
