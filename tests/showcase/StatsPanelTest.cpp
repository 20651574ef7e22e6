// The statistics panel: F2 shows and hides it once per press, it is drawn over
// the frame's top right, and it counts a world's bodies, awake bodies and joints.
#include "SceneTestSupport.h"

#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/WinTypes.h"
#include "showcase/FrameStats.h"
#include "showcase/StatsPanel.h"

#include <vector>

namespace {

class StatsPanel : public SceneTest {
protected:
    void TearDown() override {
        SHOWSTATS(false);
        SceneTest::TearDown();
    }
    static void pressF2(int frames) {
        GLWNDPROC(1, WM_KEYDOWN, VK_F2, 0);
        SceneTest::frames(frames);
        GLWNDPROC(1, WM_KEYUP, VK_F2, 0);
        frame();
    }
};

TEST_F(StatsPanel, F2ShowsAndHidesThePanelOverTheTopRightOncePerPress) {
    SELECTDEMO = 0;
    frame();
    const std::vector<int> without = brightPixelsPerCell(4, 4, 128);
    EXPECT_FALSE(STATSVISIBLE());
    pressF2(5);
    EXPECT_TRUE(STATSVISIBLE());
    frame();
    const std::vector<int> with = brightPixelsPerCell(4, 4, 128);
    EXPECT_GT(with[3], without[3] + 1000);  // the top right cell
    EXPECT_EQ(with[12], without[12]);       // the bottom left one is untouched
    pressF2(1);
    EXPECT_FALSE(STATSVISIBLE());
}

TEST(WorldCounts, ABodyThatCameToRestIsNoLongerAwake) {
    NewtonWorld* world = PHY_INITWORLD(60);
    NewtonCollision* box = NewtonCreateBox(world, 1, 1, 1, 0, nullptr);
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    NewtonCreateBody(world, box, m);  // a static floor
    m[13] = 0.5f;
    const NewtonBody* dropped = NewtonCreateBody(world, box, m);
    NewtonBodySetMassMatrix(dropped, 1, 1, 1, 1);
    NewtonReleaseCollision(world, box);
    NewtonUpdate(world, 1.0f / 60);
    EXPECT_EQ(COUNTWORLD(world).bodies, 2);
    EXPECT_EQ(COUNTWORLD(world).awake, 1);
    EXPECT_EQ(COUNTWORLD(world).joints, 0);
    for (int i = 0; i < 400 && COUNTWORLD(world).awake > 0; ++i) NewtonUpdate(world, 1.0f / 60);
    EXPECT_EQ(COUNTWORLD(world).awake, 0);
    NewtonDestroy(world);
}

TEST(FrameStats, MediansAndFrameRateCoverTheLastSecond) {
    FrameStats stats;
    // A slow frame long ago, then 50 frames of 20 ms with 5 ms of physics.
    stats.add(0, 500, 400);
    for (int i = 0; i < 50; ++i) stats.add(2000 + 20.0 * i, i == 10 ? 90 : 4, i == 10 ? 60 : 1);
    EXPECT_EQ(stats.framesPerSecond(), 50);
    EXPECT_DOUBLE_EQ(stats.medianFrameMs(), 4);
    EXPECT_DOUBLE_EQ(stats.medianPhysicsMs(), 1);
    EXPECT_EQ(stats.frameHistory(3), (std::vector<float>{4, 4, 4}));
    EXPECT_EQ(stats.physicsHistory(100).size(), 51u);
}

}  // namespace
