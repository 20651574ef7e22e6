// One world update of a square pyramid of 1015 unit boxes on a floor (each
// layer shifted by half a box, as the scenes pile them): at rest, and while a
// heavy fast sphere ploughs through it.
#include <benchmark/benchmark.h>

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyGravity.h"
#include "KEVA_Physics/PhyWorld.h"

namespace {

constexpr float kStep = 0.012f;  // the scenes' usual step
constexpr int kLayers = 14;      // 14² + 13² + … + 1 = 1015 boxes
constexpr double kGap = 0.0025;  // between neighbours, as the scenes stack their walls

NewtonBody* addBody(const NewtonWorld* world, NewtonCollision* shape, const TGLVector& pos, const TGLVector& inertia,
                    float mass) {
    NewtonBody* body = NewtonCreateBody(world, shape, nullptr);
    NewtonReleaseCollision(world, shape);
    PHY_SETBODYPROP(body, pos, inertia, mass);
    PHY_SETBODYPROPCALLBACK(body);
    return body;
}

NewtonWorld* buildPyramid() {
    PHY_SETGRAVITYFORCE(0, static_cast<float>(PHY_EARTH_GRAVITY), 0);
    NewtonWorld* world = PHY_INITWORLD(60);
    PHY_SETWORLDSIZE(world, -800, -800, -800, 800, 800, 800);
    addBody(world, NewtonCreateBox(world, 100, 1, 100, 0, nullptr), GLVECTOR(0, -0.5, 0), GLVECTOR(0, 0, 0), 0);
    for (int layer = 0; layer < kLayers; ++layer) {
        const int side = kLayers - layer;
        for (int i = 0; i < side; ++i) {
            for (int k = 0; k < side; ++k) {
                const TGLVector pos = GLVECTOR((i - (side - 1) / 2.0) * (1 + kGap), 0.5 + layer * (1 + kGap),
                                          (k - (side - 1) / 2.0) * (1 + kGap));
                addBody(world, NewtonCreateBox(world, 1, 1, 1, 0, nullptr), pos, GLVECTOR(1.0 / 6, 1.0 / 6, 1.0 / 6), 1);
            }
        }
    }
    return world;
}

void launchSphere(const NewtonWorld* world) {
    NewtonBody* ball = addBody(world, NewtonCreateSphere(world, 1.5f, 1.5f, 1.5f, 0, nullptr), GLVECTOR(-10, 3, 0.3),
                               GLVECTOR(180, 180, 180), 200);
    PHY_ADDIMPULSE(ball, GLVECTOR(40, 0, 0));
}

void Pyramid1000Rest(benchmark::State& state) {
    NewtonWorld* world = buildPyramid();
    for (int i = 0; i < 600; ++i) NewtonUpdate(world, kStep);  // settles and falls asleep
    for (auto _ : state) NewtonUpdate(world, kStep);
    NewtonDestroy(world);
}

void Pyramid1000Hit(benchmark::State& state) {
    constexpr int kUpdatesPerHit = 120;  // from launch until the pile has mostly spread out
    NewtonWorld* world = nullptr;
    int updates = kUpdatesPerHit;
    for (auto _ : state) {
        if (updates == kUpdatesPerHit) {
            state.PauseTiming();
            NewtonDestroy(world);
            world = buildPyramid();
            for (int i = 0; i < 30; ++i) NewtonUpdate(world, kStep);
            launchSphere(world);
            updates = 0;
            state.ResumeTiming();
        }
        NewtonUpdate(world, kStep);
        ++updates;
    }
    NewtonDestroy(world);
}

}  // namespace

BENCHMARK(Pyramid1000Rest)->Unit(benchmark::kMillisecond);
BENCHMARK(Pyramid1000Hit)->Unit(benchmark::kMillisecond)->Iterations(1200);

BENCHMARK_MAIN();
