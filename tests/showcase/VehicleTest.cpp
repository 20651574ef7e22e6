// The vehicle scene driven frame by frame as the program runs it, read back
// through the car's globals: falling and landing, driving, steering, braking,
// bumping into the obstacles, leaving the ground, and R.
#include "support/OffscreenGL.h"

#include "kestrova/Input.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/Projection.h"
#include "showcase/Frame.h"
#include "showcase/MenuCommands.h"
#include "showcase/Shell.h"
#include "showcase/VehicleState.h"

#include <vector>

namespace {

// Where a car dropped from y = 0 stops falling: it falls 1.7985 a frame (the
// pull towards the ground at mass 1.5) until a wheel, reaching 2 below the car,
// crosses the ground at y = -16; that is on frame 9, 8 falls down.
constexpr int LANDING_FRAME = 9;
constexpr float LANDING_HEIGHT = -8 * 1.79846f;
// Standing, it is lifted back until it is no lower than 1.8 above the ground.
constexpr float LIFTED_TO = -16 + 1.8f;

class Vehicle : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        OPENGL_INIT(1000, 0, 0, 0, 0);
        for (auto& key : SETKEY) key = 0;
        for (auto& counter : TIMER) counter = 0;
        SELECTDEMO = 808;
        ENABLEGRAVITY = true;
        ENABLECAMERAPLAYER = false;
        // The car as the program starts it.
        RESET();
        RESETTIMER = 0;
        WHEELROT = 0;
        SPEED1 = SPEED2 = SPEED3 = SPEED4 = 0;
        MOVE[1] = FGT[1] = TGLVector{};
    }
    void TearDown() override {
        for (auto& key : SETKEY) key = 0;
        SELECTDEMO = 0;
    }

    static void press(int key) { GLWNDPROC(1, WM_KEYDOWN, key, 0); }
    static void release(int key) { GLWNDPROC(1, WM_KEYUP, key, 0); }
    static void frames(int n) {
        for (int i = 0; i < n; ++i) OPENGL_DRAW();
    }
    // The car landed and settled, standing at the origin.
    static void standOnTheGround() { frames(60); }
    // Puts the standing car (its centre) at x, z.
    static void placeAt(float x, float z) {
        BOX[1].X = x;
        BOX[1].Z = z;
    }
};

}  // namespace

TEST_F(Vehicle, FallsFromTheOriginLandsOnTheNinthFrameAndRestsWithoutSinking) {
    std::vector<float> heights;
    std::vector<bool> onGround;
    for (int frame = 1; frame <= 80; ++frame) {
        frames(1);
        heights.push_back(BOX[1].Y);
        onGround.push_back(COLTER);
    }
    EXPECT_EQ(heights[0], 0);
    for (int frame = 1; frame < LANDING_FRAME; ++frame) EXPECT_FALSE(onGround[frame - 1]) << "frame " << frame;
    EXPECT_TRUE(onGround[LANDING_FRAME - 1]);
    EXPECT_NEAR(heights[LANDING_FRAME - 1], LANDING_HEIGHT, 1e-3f);
    for (int frame = LANDING_FRAME + 1; frame <= 80; ++frame) {
        EXPECT_TRUE(onGround[frame - 1]) << "frame " << frame;
        EXPECT_GE(heights[frame - 1], heights[frame - 2]) << "frame " << frame;
    }
    EXPECT_GE(heights.back(), LIFTED_TO);
    EXPECT_LT(heights.back(), LIFTED_TO + 0.02f);
    EXPECT_EQ(heights.back(), heights[50]);  // at rest
}

TEST_F(Vehicle, WithGravitySwitchedOffBeforeLandingItHovers) {
    press('G');
    frames(3);  // G acts on its third frame, before the car moves
    release('G');
    EXPECT_FALSE(ENABLEGRAVITY);
    const float hovering = BOX[1].Y;
    EXPECT_LT(hovering, 0);
    frames(60);
    EXPECT_EQ(BOX[1].Y, hovering);
    EXPECT_FALSE(COLTER);
}

TEST_F(Vehicle, WDrivesItTowardsMinusZAndALeftTurnsIt) {
    standOnTheGround();
    press('W');
    float lastZ = BOX[1].Z, lastSpeed = SPEED;
    for (int frame = 0; frame < 20; ++frame) {
        frames(1);
        EXPECT_LT(SPEED, lastSpeed);
        EXPECT_LT(BOX[1].Z, lastZ);
        lastZ = BOX[1].Z;
        lastSpeed = SPEED;
    }
    EXPECT_EQ(BOX[1].X, 0);
    EXPECT_EQ(HEADING, 0);
    press('A');
    frames(20);
    release('A');
    release('W');
    // Facing -z, the car's left is -x.
    EXPECT_LT(HEADING, -5);
    EXPECT_LT(BOX[1].X, -1);
}

TEST_F(Vehicle, SteeringIsHeldAtThirtyDegrees) {
    standOnTheGround();
    press('A');
    frames(100);
    EXPECT_EQ(TURNANGLE, 30);
    release('A');
    press(VK_RIGHT);
    frames(200);
    EXPECT_EQ(TURNANGLE, -30);
}

TEST_F(Vehicle, RollingFreelyTheSpeedChangesByTheFrictionOfEachFrameAndSpaceBrakesToAStop) {
    standOnTheGround();
    SPEED = -10;
    frames(1);
    EXPECT_FLOAT_EQ(FRICTION, -0.025f * 3 * -10);
    EXPECT_FLOAT_EQ(SPEED, -10 + ELAPSED * FRICTION);
    press(VK_SPACE);
    frames(60);
    EXPECT_EQ(SPEED, 0);
    const TGLVector stopped = BOX[1];
    frames(5);
    EXPECT_EQ(BOX[1].Z, stopped.Z);
}

TEST_F(Vehicle, AWheelAgainstEitherObstacleReversesTheSpeedAndPushesTheCarBackAtOnce) {
    standOnTheGround();
    struct Bump {
        float x, z;  // the car's centre
        bool* flag;  // the wheel that touches
    };
    // The front left wheel's outer face inside the cylinder; the front right
    // wheel's against the box's face at x = 35.
    const Bump bumps[] = {{-9, -18, &COL1}, {32, -62, &COL2}};
    for (const Bump& bump : bumps) {
        placeAt(bump.x, bump.z);
        SPEED = -2;
        const float z = BOX[1].Z;
        frames(1);
        EXPECT_TRUE(*bump.flag);
        // This frame's speed after friction, turned round and pushed back by six times the friction.
        const float rolled = -2 + ELAPSED * FRICTION;
        EXPECT_FLOAT_EQ(SPEED, -(6 * FRICTION + rolled));
        EXPECT_GT(SPEED, 0);
        // Of this frame's move (3 x DIST) the car gives half back.
        EXPECT_NEAR(BOX[1].Z, z + 1.5f * DIST, 1e-4f);
        // Away from the obstacle the flags are clear again on the very next frame.
        placeAt(0, 0);
        SPEED = 0;
        frames(1);
        EXPECT_FALSE(COL1 || COL2 || COL3 || COL4);
    }
}

TEST_F(Vehicle, PastTheGroundsEdgeItFalls) {
    standOnTheGround();
    placeAt(160, 0);
    frames(1);
    EXPECT_FALSE(COLTER);
    const float edge = BOX[1].Y;
    frames(3);
    EXPECT_LT(BOX[1].Y, edge - 5);
}

TEST_F(Vehicle, ChoosingTheSceneAgainFindsTheCarWhereItWasLeft) {
    standOnTheGround();
    placeAt(20, -30);
    HEADING = 15;
    OPENGL_ADDCOMMAND(1, WM_COMMAND, 200, 0);
    OPENGL_ADDCOMMAND(1, WM_COMMAND, 808, 0);
    EXPECT_EQ(SELECTDEMO, 808);
    EXPECT_EQ(BOX[1].X, 20);
    EXPECT_EQ(BOX[1].Z, -30);
    EXPECT_EQ(HEADING, 15);
}

TEST_F(Vehicle, RPutsTheCarBackOnTheThirdFrameItIsHeld) {
    standOnTheGround();
    press('W');
    press('A');
    frames(30);
    release('W');
    release('A');
    press('R');
    frames(2);
    EXPECT_NE(BOX[1].Z, 0);
    EXPECT_NE(HEADING, 0);
    frames(1);
    EXPECT_EQ(BOX[1].X, 0);
    EXPECT_EQ(BOX[1].Y, 0);
    EXPECT_EQ(BOX[1].Z, 0);
    EXPECT_EQ(HEADING, 0);
    EXPECT_EQ(SPEED, 0);
    EXPECT_EQ(TURNANGLE, 0);
}
