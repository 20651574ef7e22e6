// Drawing many bodies offscreen (OSMesa, the software renderer the tests and
// the scene runner use): 1000 boxes, 1000 cylinders of 18 segments and 80
// capsules, each through the bodies' DRAW, which places their recorded solids
// on the CPU; all in one batch (names ending in Batched), as the scenes draw
// a run of bodies of one material; and (names ending in InBody) as bodies used
// to be drawn, the immediate-mode solid inside the body's matrix. Times are
// per frame, with the frame finished (glFinish); items are bodies.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cmath>
#include <functional>
#include <vector>

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Lights.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/Projection.h"
#include "kestrova/RenderState.h"
#include "kestrova/SolidBatch.h"
#include "kestrova/Solids.h"
#include "kestrova/platform/OffscreenBackend.h"

namespace {

NewtonWorld* world() {
    static NewtonWorld* bodies = PHY_INITWORLD(60);
    return bodies;
}

// `count` static bodies on a grid 3 units apart, each turned its own way,
// seen from 90 units away as a scene's wall or pile is seen.
template <typename Kind>
std::vector<Kind> grid(int count, const std::function<void(Kind&, const TGLVector&, const TGLVector&)>& set) {
    std::vector<Kind> bodies(static_cast<std::size_t>(count));
    const int side = static_cast<int>(std::ceil(std::cbrt(count)));
    for (int i = 0; i < count; ++i) {
        const int x = i % side, y = (i / side) % side, z = i / (side * side);
        const float half = 1.5f * static_cast<float>(side - 1);
        set(bodies[static_cast<std::size_t>(i)], GLVECTOR(3 * x - half, 3 * y - half, 3 * z - half),
            GLVECTOR(10 * x, 20 * y, 30 * z));
    }
    return bodies;
}

void startFrame() {
    platform::createOffscreenContext(800, 600);
    WIDTH = 800;
    HEIGHT = 600;
    OPENGL_INIT(1000, 1, 0.12, 0.12, 0.18);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SETGLREFRACTIVE();
    glLoadIdentity();
    SETGLLIGHT(GL_LIGHT0, 0.3f, 1, 0.8f, 0);
    glTranslatef(0, 0, -90);
    glRotatef(20, 1, 0, 0);
    SETGLNEWMAT(0.6f, 0.6f, 0.5f, 0.25f, 0.25f, 0.25f, 0.6f, 0.6f, 0.5f, 0.1f, 0.1f, 0.1f, 50);
}

template <typename Kind, typename DrawAll>
void frames(benchmark::State& state, const std::vector<Kind>& bodies, DrawAll&& drawAll) {
    const auto frame = [&] {
        startFrame();
        drawAll(bodies);
        glFinish();
    };
    frame();  // the renderer compiles its shaders for a new state on the first frame
    for (auto _ : state) frame();
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(bodies.size()));
}

template <typename Kind>
void oneByOne(const std::vector<Kind>& bodies) {
    for (const Kind& body : bodies) body.DRAW();
}

template <typename Kind>
void inOneBatch(const std::vector<Kind>& bodies) {
    const SolidBatch batch;
    oneByOne(bodies);
}

template <typename Kind>
void inBody(const NewtonBody* body, Kind&& solid) {
    PHY_GETBODYPOROPBEGIN(body);
    solid();
    PHY_GETBODYPOROPEND();
}

const std::vector<PHY_Box>& boxes() {
    static const std::vector<PHY_Box> made =
        grid<PHY_Box>(1000, [](PHY_Box& b, const TGLVector& pos, const TGLVector& rot) {
            b.SETBOX(world(), pos, rot, GLVECTOR(0.6, 0.3, 0.4), 0);
        });
    return made;
}

const std::vector<PHY_Cylinder>& cylinders() {
    static const std::vector<PHY_Cylinder> made =
        grid<PHY_Cylinder>(1000, [](PHY_Cylinder& c, const TGLVector& pos, const TGLVector& rot) {
            c.SETCYLINDER(world(), pos, rot, 0.4f, 1.2f, 18, 0);
        });
    return made;
}

// The bones of a puppet: capsules of 12 segments.
const std::vector<PHY_Capsule>& capsules() {
    static const std::vector<PHY_Capsule> made =
        grid<PHY_Capsule>(80, [](PHY_Capsule& c, const TGLVector& pos, const TGLVector& rot) {
            c.SETCAPSULE(world(), pos, rot, 0.4f, 2, 12, 0);
        });
    return made;
}

void Boxes(benchmark::State& state) { frames(state, boxes(), oneByOne<PHY_Box>); }

void BoxesBatched(benchmark::State& state) { frames(state, boxes(), inOneBatch<PHY_Box>); }

void BoxesInBody(benchmark::State& state) {
    frames(state, boxes(), [](const std::vector<PHY_Box>& all) {
        for (const PHY_Box& b : all)
            inBody(b.NEWBODY, [&b] { CUBO(-b.SIZE.X, -b.SIZE.Y, -b.SIZE.Z, b.SIZE.X, b.SIZE.Y, b.SIZE.Z, 1); });
    });
}

void Cylinders(benchmark::State& state) { frames(state, cylinders(), oneByOne<PHY_Cylinder>); }

void CylindersBatched(benchmark::State& state) { frames(state, cylinders(), inOneBatch<PHY_Cylinder>); }

void CylindersInBody(benchmark::State& state) {
    frames(state, cylinders(), [](const std::vector<PHY_Cylinder>& all) {
        for (const PHY_Cylinder& c : all)
            inBody(c.NEWBODY, [&c] {
                glRotatef(90, 0, 1, 0);
                CILINDRO(0, 0, -c.H / 2, c.QUALITY, c.QUALITY, c.RADIUS, c.H, 1);
            });
    });
}

void Capsules(benchmark::State& state) { frames(state, capsules(), oneByOne<PHY_Capsule>); }

void CapsulesBatched(benchmark::State& state) { frames(state, capsules(), inOneBatch<PHY_Capsule>); }

// The two caps; the tube between them costs about as much again.
void CapsulesInBody(benchmark::State& state) {
    frames(state, capsules(), [](const std::vector<PHY_Capsule>& all) {
        for (const PHY_Capsule& c : all)
            inBody(c.NEWBODY, [&c] {
                const float half = (c.H - 2 * c.RADIUS) / 2;
                SFERA(-half, 0, 0, c.RADIUS, c.QUALITY);
                SFERA(half, 0, 0, c.RADIUS, c.QUALITY);
                glRotatef(90, 0, 1, 0);
                TUBO(0, 0, -half, c.QUALITY, c.RADIUS, 2 * half);
            });
    });
}

// The frame alone: set-up, clear and finish.
void EmptyFrame(benchmark::State& state) {
    for (auto _ : state) {
        startFrame();
        glFinish();
    }
}

}  // namespace

BENCHMARK(EmptyFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(Boxes)->Unit(benchmark::kMillisecond);
BENCHMARK(BoxesBatched)->Unit(benchmark::kMillisecond);
BENCHMARK(BoxesInBody)->Unit(benchmark::kMillisecond);
BENCHMARK(Cylinders)->Unit(benchmark::kMillisecond);
BENCHMARK(CylindersBatched)->Unit(benchmark::kMillisecond);
BENCHMARK(CylindersInBody)->Unit(benchmark::kMillisecond);
BENCHMARK(Capsules)->Unit(benchmark::kMillisecond);
BENCHMARK(CapsulesBatched)->Unit(benchmark::kMillisecond);
BENCHMARK(CapsulesInBody)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
