// The first-person scenes: where the players start and stand, walking up the
// landscape, walls that hold, jumping, shooting, the mouse look and R.
#include "physics/PhysicsTestSupport.h"
#include "support/OffscreenGL.h"

#include "KEVA_Physics/PhyGravity.h"
#include "kestrova/Input.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/Platform.h"
#include "kestrova/Projection.h"
#include "kestrova/platform/OffscreenBackend.h"
#include "showcase/Frame.h"
#include "showcase/GravityLevels.h"
#include "showcase/GravitySelector.h"
#include "showcase/PlayerScenes.h"
#include "showcase/Shell.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <optional>

namespace {

struct Game {
    int code;
    void (*init)();
    NewtonWorld** world;
    PHY_PLAYERGAME* player;
    float slice;  // milliseconds of one world update
};
const Game LANDSCAPE{700, INITPLAYER, &NEWWORLDPLY1, &PLAYERPLY1, 12};
const Game CITY{701, INITPLAYER2, &NEWWORLDPLY2, &PLAYERPLY2, 6};
const Game CASTLE{702, INITPLAYER3, &NEWWORLDPLY3, &PLAYERPLY3, 6};

struct Keys {
    bool up = false, run = false, jump = false;
};

// The nearest hit of a ray that leaves the player out, as a distance and the face's normal.
struct Hit {
    float distance;
    Vec normal;
};
struct RayProbe {
    float fraction = 2;
    Vec normal;
};
dFloat keepNearest(const NewtonBody*, const dFloat* normal, int, void* data, dFloat fraction) {
    auto& probe = *static_cast<RayProbe*>(data);
    if (fraction < probe.fraction) probe = RayProbe{fraction, {normal[0], normal[1], normal[2]}};
    return fraction;
}
unsigned skipPlayers(const NewtonBody* body, const NewtonCollision*, void*) {
    return NewtonBodyGetUserData(body) == nullptr ? 1 : 0;
}
std::optional<Hit> cast(const NewtonWorld* world, const Vec& from, const Vec& direction, float reach) {
    const Vec to = from + direction * reach;
    RayProbe probe;
    NewtonWorldRayCast(world, &from.x, &to.x, keepNearest, &probe, skipPlayers);
    if (probe.fraction > 1) return std::nullopt;
    return Hit{probe.fraction * reach, probe.normal};
}
const Vec DOWN{0, -1, 0}, UP{0, 1, 0};

class PlayerScenes : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        std::filesystem::current_path(KESTROVA_TEST_DATA);
        OPENGL_INIT(1000, 0, 0, 0, 0);
        if (EVENTSELECTION == 0) BUILDGRAVITYPICKLIST();
        SETGRAVITY = 8;  // "TERRA"
        PHY_SETGRAVITYFORCE(0, static_cast<float>(PHY_EARTH_GRAVITY), 0);
        // As the program starts: the orbit camera unturned, and the pointer at
        // the window's centre, where the games keep it and aim their spheres.
        // Earlier tests may have turned the one and left the other anywhere.
        XROT = YROT = DEPTH = 0;
        platform::movePointer(WIDTH / 2, HEIGHT / 2);
        GLWNDPROC(1, WM_MOUSEMOVE, 0, MAKELPARAM(WIDTH / 2, HEIGHT / 2));
    }
    void TearDown() override {
        for (auto& key : SETKEY) key = 0;
        SELECTDEMO = 0;
        platform::setWindowInForeground(true);
    }

    // Frames of the player alone, as the viewer runs it, without drawing: the
    // keys, the camera that hands the record to the force callback, and 1/60 s
    // of world time in the scene's slices.
    void walk(const Game& game, int frames, Keys keys, const std::function<void()>& eachFrame = [] {}) {
        for (int frame = 0; frame < frames; ++frame) {
            game.player->MOVECOMMANDS(keys.up, false, false, false, keys.run);
            game.player->JUMP(keys.jump);
            glPushMatrix();
            game.player->SETCAMERA(0);
            glPopMatrix();
            for (untimed += 1000.0f / 60; untimed > game.slice; untimed -= game.slice)
                NewtonUpdate(*game.world, game.slice / 1000);
            eachFrame();
        }
    }
    // Frames of the program with the scene chosen.
    static void frames(int count) {
        for (int i = 0; i < count; ++i) {
            OPENGL_DRAW();
            platform::swapBuffers();
        }
    }
    static void press(int key) { GLWNDPROC(1, WM_KEYDOWN, key, 0); }
    static void release(int key) { GLWNDPROC(1, WM_KEYUP, key, 0); }

    static Vec where(const Game& game) { return positionOf(game.player->NEWBODY); }
    static float groundBelow(const Game& game) {
        const auto hit = cast(*game.world, where(game), DOWN, 400);
        return hit ? hit->distance : 1e9f;
    }

    float untimed = 0;
};

TEST_F(PlayerScenes, EachPlayerStartsInTheOpenAboveGroundAndComesToStandOnIt) {
    for (const Game& game : {LANDSCAPE, CITY, CASTLE}) {
        SCOPED_TRACE(game.code);
        game.init();
        const Vec start = where(game);
        const auto ground = cast(*game.world, start, DOWN, 400);
        ASSERT_TRUE(ground.has_value());
        EXPECT_GE(ground->distance, 5);
        EXPECT_LE(ground->distance, 300);
        EXPECT_FALSE(cast(*game.world, start, UP, 10).has_value());

        walk(game, 600, {});  // the castle's player falls for eight seconds
        EXPECT_NEAR(groundBelow(game), 3.5f, 0.5f);
        EXPECT_LT(length(velocityOf(game.player->NEWBODY)), 0.5f);
    }
}

TEST_F(PlayerScenes, WalkingAheadClimbsTheLandscapeWithoutSinkingIntoIt) {
    LANDSCAPE.init();
    walk(LANDSCAPE, 300, {});
    const Vec rest = where(LANDSCAPE);
    float deepest = 1e9f;
    walk(LANDSCAPE, 240, {.up = true}, [&] {
        const Vec p = where(LANDSCAPE);
        const auto land = cast(NEWWORLDPLY1, {p.x, 1000, p.z}, DOWN, 2000);
        ASSERT_TRUE(land.has_value());
        deepest = std::min(deepest, p.y - (1000 - land->distance));
    });
    const Vec moved = where(LANDSCAPE) - rest;
    EXPECT_LE(moved.z, -50);  // a heading of 0 looks along -z
    EXPECT_GE(moved.y, 15);
    EXPECT_GT(deepest, 2);  // the centre stays well above the land: the player never sinks into it
}

// The nearest wall around the standing player that stands taller and wider
// than it: rays straight at it at three heights and three places side by side
// (5 units apart) meet it head-on at the same distance. Gives the way straight
// at it (against its normal) and how far it is.
std::optional<std::pair<Vec, float>> wallAround(const Game& game) {
    const Vec centre = positionOf(game.player->NEWBODY);
    std::optional<std::pair<Vec, float>> nearest;
    for (int step = 0; step < 72; ++step) {
        const float a = static_cast<float>(step) * 5 * 3.14159265f / 180;
        const auto face = cast(*game.world, centre, {std::sin(a), 0, std::cos(a)}, 300);
        if (!face || std::fabs(face->normal.y) > 0.1f) continue;
        const Vec across = Vec{-face->normal.x, 0, -face->normal.z} * (1 / length({face->normal.x, 0, face->normal.z}));
        const Vec along{across.z, 0, -across.x};
        const auto straight = cast(*game.world, centre, across, 300);
        if (!straight || straight->distance < 6) continue;
        bool wall = true;
        for (float height : {-2.0f, 0.0f, 4.0f})
            for (float aside : {-5.0f, 0.0f, 5.0f}) {
                const auto hit = cast(*game.world, centre + Vec{0, height, 0} + along * aside, across, 300);
                wall = wall && hit && dot(hit->normal, face->normal) > 0.99f &&
                       std::fabs(hit->distance - straight->distance) < 1;
            }
        if (wall && (!nearest || straight->distance < nearest->second))
            nearest = std::make_pair(across, straight->distance);
    }
    return nearest;
}

TEST_F(PlayerScenes, WalkingOrRunningIntoASceneryWallNeverPassesIt) {
    for (const Game& game : {CITY, CASTLE}) {
        game.init();
        walk(game, 600, {});
        const auto wall = wallAround(game);
        ASSERT_TRUE(wall.has_value()) << game.code;
        const auto [direction, distance] = *wall;
        const TGLBaseMatrix standing = matrixOf(game.player->NEWBODY);
        // The arrow up walks along -(sin h, cos h) for the heading h.
        game.player->ROTATION.Y = std::atan2(-direction.x, -direction.z) * 180 / 3.14159265f;
        for (const bool run : {false, true}) {
            SCOPED_TRACE(::testing::Message() << game.code << (run ? " running" : " walking"));
            const dFloat still[3] = {0, 0, 0};
            NewtonBodySetMatrix(game.player->NEWBODY, standing.data());
            NewtonBodySetVelocity(game.player->NEWBODY, still);
            const Vec start = where(game);
            float farthest = 0;
            // Time to get up to speed (48 units/s² at most), then to cover the way.
            const int frames = static_cast<int>((distance / (run ? 150.0f : 50.0f) + 4) * 60);
            walk(game, frames, {.up = true, .run = run},
                 [&] { farthest = std::max(farthest, dot(where(game) - start, direction)); });
            EXPECT_GT(farthest, distance - 4);  // it did reach the wall
            EXPECT_LT(farthest, distance);
        }
    }
}

TEST_F(PlayerScenes, AJumpRisesAndLandsAndTheKeyDoesNothingInTheAir) {
    LANDSCAPE.init();
    walk(LANDSCAPE, 300, {});
    const float rest = where(LANDSCAPE).y;
    float highest = rest;
    bool pushedInTheAir = false;
    walk(LANDSCAPE, 60, {.jump = true}, [&] {
        highest = std::max(highest, where(LANDSCAPE).y);
        const bool airborne = groundBelow(LANDSCAPE) > 1.1f * 3.5f + 0.5f;
        pushedInTheAir = pushedInTheAir || (airborne && PLAYERPLY1.EXTERNALFORCE.Y != 0);
    });
    EXPECT_GE(highest - rest, 5);
    EXPECT_FALSE(pushedInTheAir);
    walk(LANDSCAPE, 180, {});
    EXPECT_NEAR(groundBelow(LANDSCAPE), 3.5f, 0.5f);
}

TEST_F(PlayerScenes, SHoldsABurstAShootsOneAndTheSpheresFlyAhead) {
    LANDSCAPE.init();
    SELECTDEMO = 700;
    frames(3);
    // The launchers keep every sphere they shot, hidden after a rebuild, so an
    // earlier run of the scene may have left some: count the new ones.
    const std::size_t burstBefore = BULLETPLY1[1].SPHERE.size();
    press('S');
    frames(30);
    release('S');
    EXPECT_EQ(BULLETPLY1[1].SPHERE.size() - burstBefore, 10u);

    const std::size_t shotsBefore = BULLETPLY1[0].SPHERE.size();
    press('A');
    frames(30);
    release('A');
    ASSERT_EQ(BULLETPLY1[0].SPHERE.size() - shotsBefore, 1u);
    const NewtonBody* sphere = BULLETPLY1[0].SPHERE.back().NEWBODY;
    const Vec shot = positionOf(sphere);
    const Vec away = shot - where(LANDSCAPE);
    EXPECT_GT(dot(velocityOf(sphere), away), 100 * length(away)) << "it leaves the player at over 100 a second";
    // Ten frames are at least 0.17 s of world time, more on a slow machine.
    frames(10);
    EXPECT_GE(dot(positionOf(sphere) - shot, away), 15 * length(away));
}

TEST_F(PlayerScenes, TheMouseTurnsTheViewAroundTheWindowCentreOnlyInTheForeground) {
    LANDSCAPE.init();
    PHY_PLAYERGAME& player = PLAYERPLY1;
    const auto look = [&](int x, int y) {
        platform::movePointer(x, y);
        player.MOUSEMOVE(8);
        platform::swapBuffers();
    };
    look(400, 300);  // the first reading after a pause only parks the pointer
    look(500, 300);
    EXPECT_FLOAT_EQ(player.ROTATION.Y, -8);
    EXPECT_FLOAT_EQ(player.ROTATION.X, 0);
    for (int i = 0; i < 5; ++i) look(400, 0);
    EXPECT_FLOAT_EQ(player.ROTATION.X, -80);
    for (int i = 0; i < 10; ++i) look(400, 600);
    EXPECT_FLOAT_EQ(player.ROTATION.X, 80);

    platform::setWindowInForeground(false);
    look(600, 300);
    EXPECT_FLOAT_EQ(player.ROTATION.Y, -8);
    platform::setWindowInForeground(true);
    look(600, 300);  // back in the foreground: the pointer is parked, not read
    EXPECT_FLOAT_EQ(player.ROTATION.Y, -8);
    look(300, 300);
    EXPECT_FLOAT_EQ(player.ROTATION.Y, 0);
}

TEST_F(PlayerScenes, RLoadsTheCityAgainAndPutsThePlayerAtTheStart) {
    SCENEPLY2.SCENE.reset();
    SELECTDEMO = 701;
    press('R');
    frames(1);
    release('R');
    EXPECT_NE(SCENEPLY2.GETSCENE3DS(), nullptr);
    EXPECT_NEAR(length(where(CITY) - Vec{50, 60, -60}), 0, 1);
}

}  // namespace
