// Layer worlds: the heap callbacks, the two solver settings, the world box and
// the fixed time slice.
#include "KEVA_Physics/PhyWorld.h"
#include "PhysicsTestSupport.h"

namespace {

int updates = 0;

void countUpdates(const NewtonBody* body, dFloat timestep, int thread) {
    ++updates;
    PHY_GETGRAVITYFORCE(body, timestep, thread);
}

class PhyWorld : public PhysicsTest {
protected:
    void SetUp() override {
        PhysicsTest::SetUp();
        layerWorld = PHY_INITWORLD(60);
        PHY_SETWORLDSIZE(layerWorld, -800, -800, -800, 800, 800, 800);
        box = addBox(layerWorld, {0, 0, 0}, {1, 1, 1}, 1);
        NewtonBodySetForceAndTorqueCallback(box, countUpdates);
        updates = 0;
        PHYACCTIMESLICE = 0;
    }
    void TearDown() override {
        NewtonDestroy(layerWorld);
        PhysicsTest::TearDown();
    }
    NewtonWorld* layerWorld = nullptr;
    NewtonBody* box = nullptr;
};

TEST_F(PhyWorld, BothSolverSettingsMakeWorldsThatStep) {
    NewtonWorld* precise = PHY_INITWORLDHIGHPRECISION(60);
    NewtonBody* a = addBox(precise, {0, 10, 0}, {1, 1, 1}, 1);
    simulate(precise, 1.0f);
    simulate(layerWorld, 1.0f);
    EXPECT_NEAR(positionOf(a).y, 10 + positionOf(box).y, 1e-4f);
    EXPECT_LT(positionOf(box).y, -4.5f);
    NewtonDestroy(precise);
}

TEST_F(PhyWorld, TheWorldBoxIsKeptAndStopsBodiesThatLeaveIt) {
    PHY_SETWORLDSIZE(layerWorld, -5, -2, -5, 5, 20, 5);
    EXPECT_FLOAT_EQ(PHYWORLDMIN.Y, -2);
    EXPECT_FLOAT_EQ(PHYWORLDMAX.Y, 20);
    simulate(layerWorld, 2.0f);
    EXPECT_GT(positionOf(box).y, -3.5f);
}

TEST_F(PhyWorld, AnAccumulatedTimeEqualToTheSliceRunsNoUpdate) {
    PHYACCTIMESLICE = 12;
    PHY_UPDATEOPTIMIZE(layerWorld, 12);
    EXPECT_EQ(updates, 0);
    EXPECT_FLOAT_EQ(PHYACCTIMESLICE, 12);
    EXPECT_FLOAT_EQ(positionOf(box).y, 0);
}

TEST_F(PhyWorld, WholeSlicesRunAndTheRemainderIsCarried) {
    PHYACCTIMESLICE = 30;
    PHY_UPDATEOPTIMIZE(layerWorld, 12);
    EXPECT_EQ(updates, 2);
    EXPECT_FLOAT_EQ(PHYACCTIMESLICE, 6);
    // Each slice advanced the world by 12 ms.
    EXPECT_NEAR(velocityOf(box).y, -9.81f * 0.024f, 1e-4f);
    PHYACCTIMESLICE += 7;
    PHY_UPDATEOPTIMIZE(layerWorld, 12);
    EXPECT_EQ(updates, 3);
    EXPECT_FLOAT_EQ(PHYACCTIMESLICE, 1);
}

TEST_F(PhyWorld, AFrameCatchesUpAQuarterOfASecondAtMost) {
    PHYACCTIMESLICE = 600000;  // ten minutes since the scene was last shown
    PHY_UPDATEOPTIMIZE(layerWorld, 6);
    EXPECT_EQ(updates, 42);
    EXPECT_LT(PHYACCTIMESLICE, 6);
    PHY_UPDATEOPTIMIZE(layerWorld, 0);  // a slice of nothing never runs
    PHY_UPDATEOPTIMIZE(layerWorld, -3);
    EXPECT_EQ(updates, 42);
}

TEST_F(PhyWorld, StartingTheClockKeepsTheTimeLeftOverAndSettingItAddsTheTicks) {
    PHYACCTIMESLICE = 5;
    PHY_INITOPTIMIZE();
    EXPECT_FLOAT_EQ(PHYACCTIMESLICE, 5);
    EXPECT_FLOAT_EQ(PHYTIME, static_cast<float>(PHYTIMELASTFRAME));
    PHYTIMELASTFRAME -= 40;  // as if 40 ms had passed
    PHY_SETOPTIMIZE();
    EXPECT_GE(PHYACCTIMESLICE, 45);
    EXPECT_LT(PHYACCTIMESLICE, 1045);
}

}  // namespace
