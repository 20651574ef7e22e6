// Pausing with P and stepping with O: a paused world stands still in every
// scene, O lets exactly one update through, R and the gravity level still act,
// and a scene chosen in the menu runs.
#include "SceneTestSupport.h"

#include "KEVA_Physics/PhyRandom.h"
#include "kestrova/WinTypes.h"
#include "showcase/MenuCommands.h"
#include "showcase/RagDollScenes.h"
#include "showcase/RigidScenes.h"
#include "showcase/ScenePause.h"
#include "showcase/SceneRegistry.h"
#include "showcase/VehicleState.h"

#include <array>
#include <filesystem>
#include <vector>

namespace {

// Where each body stands and how it moves: matrix, velocity and spin.
using BodyState = std::array<float, 22>;

std::vector<BodyState> bodyStates(const NewtonWorld* world) {
    std::vector<BodyState> states;
    for (const NewtonBody* body = NewtonWorldGetFirstBody(world); body; body = NewtonWorldGetNextBody(world, body)) {
        BodyState s{};
        NewtonBodyGetMatrix(body, s.data());
        NewtonBodyGetVelocity(body, s.data() + 16);
        NewtonBodyGetOmega(body, s.data() + 19);
        states.push_back(s);
    }
    return states;
}

// How many of the bodies in `before` stand or move otherwise in `after`
// (bodies added since come after them and are left out).
int changedBodies(const std::vector<BodyState>& before, const std::vector<BodyState>& after) {
    if (after.size() < before.size()) return static_cast<int>(before.size());
    int changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i) changed += after[i] != before[i] ? 1 : 0;
    return changed;
}

// The vehicle keeps its state in the shell's globals.
std::array<float, 6> carState() { return {BOX[1].X, BOX[1].Y, BOX[1].Z, HEADING, SPEED, TURNANGLE}; }

class ScenePause : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        // The games read their landscape and sceneries from the data folder.
        std::filesystem::current_path(KESTROVA_TEST_DATA);
        FIXRANDOMSEED(7);
    }
    void TearDown() override {
        RESUMESCENE();
        SceneTest::TearDown();
    }
    static void choose(std::int32_t code) { OPENGL_ADDCOMMAND(1, WM_COMMAND, code, 0); }
    static void tap(char key) {
        press(key);
        frame();
        release(key);
        frame();
    }
    static const NewtonWorld* world() {
        const SceneRow* row = FINDSCENE(SELECTDEMO);
        return row && row->world ? *row->world : nullptr;
    }
};

TEST_F(ScenePause, EveryScenesWorldStandsStillWhilePausedEvenWithItsKeysHeld) {
    for (const SceneRow& row : SCENEROWS()) {
        if (!row.view) continue;
        // The games keep their state on a choice: build them first, as the start-up does.
        if (row.onChoice == OnChoice::RESUME_WITH_HELP && row.init) row.init();
        choose(row.code);
        tap('P');
        ASSERT_TRUE(SCENEPAUSED) << row.code;
        const NewtonWorld* paused = world();
        const std::vector<BodyState> before = paused ? bodyStates(paused) : std::vector<BodyState>{};
        const auto car = carState();
        // Keys that push, drive, walk or blast in one scene or another; "1"
        // in "Distruzione" rebuilds the chain, a change of its own.
        std::vector<int> keys = {'W', 'Z', VK_UP};
        if (row.code != 211) keys.push_back('1');
        for (int key : keys) GLWNDPROC(1, WM_KEYDOWN, key, 0);
        frames(3);
        for (int key : keys) GLWNDPROC(1, WM_KEYUP, key, 0);
        ASSERT_EQ(world(), paused) << row.code;
        // Spheres shot while paused may join the world; they do not fly yet.
        if (paused) {
            EXPECT_EQ(changedBodies(before, bodyStates(paused)), 0) << row.code;
        }
        EXPECT_EQ(carState(), car) << row.code;
        tap('P');
        EXPECT_FALSE(SCENEPAUSED) << row.code;
    }
}

TEST_F(ScenePause, HeldKeysToggleOnceAndOAdvancesExactlyOneUpdate) {
    // The puppets fall from the first update on, at a fixed step.
    choose(600);
    const std::vector<BodyState> built = bodyStates(NEWWORLDD1);
    press('P');
    frames(5);
    release('P');
    frame();
    EXPECT_TRUE(SCENEPAUSED);  // held for five frames, toggled once
    EXPECT_EQ(changedBodies(built, bodyStates(NEWWORLDD1)), 0);
    press('O');
    frames(5);
    release('O');
    frames(3);
    EXPECT_TRUE(SCENEPAUSED);
    const std::vector<BodyState> stepped = bodyStates(NEWWORLDD1);
    EXPECT_GT(changedBodies(built, stepped), 0);  // the puppets fell

    // The same build, running, after one frame.
    choose(600);
    EXPECT_FALSE(SCENEPAUSED);
    EXPECT_EQ(changedBodies(built, bodyStates(NEWWORLDD1)), 0);
    frame();
    EXPECT_EQ(changedBodies(stepped, bodyStates(NEWWORLDD1)), 0);
}

TEST_F(ScenePause, RRebuildsAndTheGravityLevelActsWhilePausedAndAChosenSceneRuns) {
    choose(205);
    frames(2);
    tap('P');
    const NewtonWorld* old = NEWWORLD5;
    press('R');
    frame();
    release('R');
    EXPECT_NE(NEWWORLD5, old);
    EXPECT_TRUE(SCENEPAUSED);
    const std::vector<BodyState> rebuilt = bodyStates(NEWWORLD5);
    SETGRAVITY = 4;  // "LUNA", as the arrows would set it
    frames(4);
    EXPECT_FLOAT_EQ(NEWGRAVITY, static_cast<float>(PHY_MOON_GRAVITY));
    EXPECT_EQ(changedBodies(rebuilt, bodyStates(NEWWORLD5)), 0);

    // Leaving for the start screen keeps the pause; a scene chosen in the menu runs.
    press('Q');
    frame();
    release('Q');
    EXPECT_TRUE(SCENEPAUSED);
    choose(205);
    EXPECT_FALSE(SCENEPAUSED);
}

}  // namespace
