// One world update of the benchmark pile (PyramidLayout.h): at rest, and while
// a heavy fast sphere ploughs through it. Our engine and, under names starting
// with Peer, a plain Bullet world with Bullet's defaults, run side by side so
// that their ratio is measured on the same machine at the same moment
// (PeerRatioMain.cpp interleaves them and prints the ratio).
#include <benchmark/benchmark.h>

#include <memory>

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyGravity.h"
#include "KEVA_Physics/PhyWorld.h"
#include "PeerWorld.h"
#include "PyramidLayout.h"

namespace {

using bench::kStep;

// The pile on our engine, built through the physics layer as the scenes build theirs.
class OurWorld {
public:
    OurWorld() {
        PHY_SETGRAVITYFORCE(0, bench::kGravity, 0);
        world_ = PHY_INITWORLD(60);
        PHY_SETWORLDSIZE(world_, -800, -800, -800, 800, 800, 800);
        add(NewtonCreateBox(world_, 100, 1, 100, 0, nullptr), GLVECTOR(0, -0.5, 0), GLVECTOR(0, 0, 0), 0);
        bench::forEachPyramidBox([this](float x, float y, float z) {
            add(NewtonCreateBox(world_, 1, 1, 1, 0, nullptr), GLVECTOR(x, y, z), GLVECTOR(1.0 / 6, 1.0 / 6, 1.0 / 6), 1);
        });
    }
    ~OurWorld() { NewtonDestroy(world_); }
    OurWorld(const OurWorld&) = delete;
    OurWorld& operator=(const OurWorld&) = delete;

    void update() { NewtonUpdate(world_, kStep); }

    void launchBall() {
        const float r = bench::kBallRadius;
        const float inertia = 0.4f * bench::kBallMass * r * r;
        NewtonBody* ball = add(NewtonCreateSphere(world_, r, r, r, 0, nullptr),
                               GLVECTOR(bench::kBallStart[0], bench::kBallStart[1], bench::kBallStart[2]),
                               GLVECTOR(inertia, inertia, inertia), bench::kBallMass);
        // the launch adds the fall of 0.08 s itself, as the scenes' launchers have it
        PHY_ADDIMPULSE(ball, GLVECTOR(bench::kBallVelocity[0], 0, bench::kBallVelocity[2]));
    }

private:
    NewtonBody* add(NewtonCollision* shape, const TGLVector& pos, const TGLVector& inertia, float mass) {
        NewtonBody* body = NewtonCreateBody(world_, shape, nullptr);
        NewtonReleaseCollision(world_, shape);
        PHY_SETBODYPROP(body, pos, inertia, mass);
        PHY_SETBODYPROPCALLBACK(body);
        return body;
    }

    NewtonWorld* world_ = nullptr;
};

template <class World>
void PileAtRest(benchmark::State& state) {
    World world;
    for (int i = 0; i < 600; ++i) world.update();  // settles and falls asleep
    for (auto _ : state) world.update();
}

template <class World>
void PileHit(benchmark::State& state) {
    constexpr int kUpdatesPerHit = 120;  // from launch until the pile has mostly spread out
    std::unique_ptr<World> world;
    int updates = kUpdatesPerHit;
    for (auto _ : state) {
        if (updates == kUpdatesPerHit) {
            state.PauseTiming();
            world.reset();
            world = std::make_unique<World>();
            for (int i = 0; i < 30; ++i) world->update();
            world->launchBall();
            updates = 0;
            state.ResumeTiming();
        }
        world->update();
        ++updates;
    }
}

}  // namespace

BENCHMARK(PileAtRest<OurWorld>)->Name("Pyramid1000Rest")->Unit(benchmark::kMillisecond);
BENCHMARK(PileHit<OurWorld>)->Name("Pyramid1000Hit")->Unit(benchmark::kMillisecond)->Iterations(1200);
BENCHMARK(PileAtRest<bench::PeerWorld>)->Name("PeerPyramid1000Rest")->Unit(benchmark::kMillisecond);
BENCHMARK(PileHit<bench::PeerWorld>)->Name("PeerPyramid1000Hit")->Unit(benchmark::kMillisecond)->Iterations(1200);
