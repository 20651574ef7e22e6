// Worlds: creation and destruction, solver switches, the world box and the update.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

#include "KEVA_Physics/engine/EngineRecords.h"
#include "KEVA_Physics/engine/EngineTiming.h"

using engine::edit;

namespace {

constexpr btScalar kShortestStep = btScalar(1.0 / 1000.0);
constexpr btScalar kLongestStep = btScalar(1.0 / 60.0);
constexpr btScalar kHighestFrameRate = 1000;

btDefaultCollisionConstructionInfo poolSizes() {
    // Many worlds exist at once (one per scene); Bullet grows past these pools when it must.
    btDefaultCollisionConstructionInfo info;
    info.m_defaultMaxPersistentManifoldPoolSize = 1024;
    info.m_defaultMaxCollisionAlgorithmPoolSize = 1024;
    return info;
}

// Exact settings solve more passes and keep two friction directions per contact
// from step to step; the fast ones, the scenes' usual, solve fewer passes with
// one friction direction along the sliding, and fewer still in islands of
// hundreds of bodies. Each contact's friction is solved right after it, while
// both bodies are still at hand in the cache. Contacts push overlapping bodies
// apart gently, so that the rows of a wall that lands do not throw the ones
// above them up. The passes stop early once no row changed its bodies' speed
// along it by more than kSettledRowSpeed (the passes report the square of the
// largest change): a pile at rest gets there in a few.
constexpr btScalar kSettledRowSpeed = btScalar(0.001);  // metres per second

void applySolverSettings(NewtonWorld& world) {
    btContactSolverInfo& info = world.dynamics.getSolverInfo();
    int largeIslandPasses = 0;
    if (world.solverModel == 0) {
        info.m_numIterations = 30;
    } else if (world.solverModel == 1) {
        info.m_numIterations = 8;
        largeIslandPasses = 6;
    } else {
        info.m_numIterations = std::clamp(world.solverModel, 2, 100);
    }
    int mode = SOLVER_USE_WARMSTARTING | SOLVER_INTERLEAVE_CONTACT_AND_FRICTION_CONSTRAINTS;
    if (world.frictionModel == 0) mode |= SOLVER_USE_2_FRICTION_DIRECTIONS | SOLVER_ENABLE_FRICTION_DIRECTION_CACHING;
    if (world.platform != 0) mode |= SOLVER_SIMD;
    info.m_solverMode = mode;
    info.m_erp = btScalar(0.5);  // joints pull drifting pieces back quickly, so chains do not stretch
    info.m_erp2 = btScalar(0.07);
    info.m_leastSquaresResidualThreshold = kSettledRowSpeed * kSettledRowSpeed;
    world.solver.setLargeIslandPasses(largeIslandPasses);
}

// A resting body wakes when what its callback applies drifts from what it
// applied when that last changed notably, by more than a small share of the
// force: a gravity level 1 % heavier wakes it, the rounding in a fluid's lift
// on a body lying still does not. A torque counts as well when it is that
// share of the force acting at the body's rim, or of the torque itself.
constexpr btScalar kWakingShare = btScalar(0.002);
constexpr btScalar kLeastWakingChange = btScalar(1e-6);

bool driftedFromWaking(const NewtonBody& body) {
    const btScalar force = std::max(body.force.length(), body.wakingForce.length());
    if ((body.force - body.wakingForce).length() > kWakingShare * force + kLeastWakingChange) return true;
    const btScalar torqueChange = (body.torque - body.wakingTorque).length();
    const btScalar torque = std::max(body.torque.length(), body.wakingTorque.length());
    if (!(torqueChange > kWakingShare * torque + kLeastWakingChange)) return false;
    btVector3 centre;
    btScalar rim = 0;
    body.rigid.getCollisionShape()->getBoundingSphere(centre, rim);
    return torqueChange > kWakingShare * force * rim + kLeastWakingChange;
}

// Each dynamic body's callback once per update.
void runForceCallbacks(NewtonWorld& world, btScalar step) {
    for (std::size_t i = 0; i < world.bodies.size(); ++i) {
        NewtonBody& body = *world.bodies[i];
        if (!body.isDynamic() || body.outsideWorld || !body.forceCallback) continue;
        body.force.setZero();
        body.torque.setZero();
        body.forceCallback(&body, step, 0);
        if (!driftedFromWaking(body)) continue;
        body.wakingForce = body.force;
        body.wakingTorque = body.torque;
        engine::wake(body);
    }
}

void applyForces(NewtonWorld& world) {
    for (NewtonBody* body : world.bodies.all()) {
        if (!body->isDynamic() || !body->rigid.isActive()) continue;
        body->rigid.applyCentralForce(body->force);
        body->rigid.applyTorque(body->torque);
    }
}

// A body that has moved slower than Bullet's sleeping speeds for a second
// falls asleep with its island (Bullet waits two): a wall of a thousand bricks
// lands, settles and then costs next to nothing. Sooner, bodies that landed
// deep in the floor would sleep before the gentle push had lifted them out.
// Bullet keeps that time in one global; our worlds step with ours and leave
// Bullet's as they found it.
constexpr btScalar kRestBeforeSleep = btScalar(1);

class RestBeforeSleep {
public:
    RestBeforeSleep() : bullets_(gDeactivationTime) { gDeactivationTime = kRestBeforeSleep; }
    ~RestBeforeSleep() { gDeactivationTime = bullets_; }
    RestBeforeSleep(const RestBeforeSleep&) = delete;
    RestBeforeSleep& operator=(const RestBeforeSleep&) = delete;

private:
    btScalar bullets_;
};

void stopBodiesOutsideWorld(NewtonWorld& world) {
    for (NewtonBody* body : world.bodies.all()) {
        if (!body->isDynamic() || body->outsideWorld || !body->rigid.isActive()) continue;
        if (engine::insideWorld(*body)) continue;
        body->outsideWorld = true;
        body->rigid.setLinearVelocity(btVector3(0, 0, 0));
        body->rigid.setAngularVelocity(btVector3(0, 0, 0));
        body->rigid.forceActivationState(DISABLE_SIMULATION);
    }
}

}  // namespace

NewtonWorld::NewtonWorld(NewtonAllocMemory allocate, NewtonFreeMemory release)
    : memory{allocate, release},
      configuration(poolSizes()),
      dispatcher(&configuration),
      broadphase(engine::makeBroadphase(broadphaseRoom)),
      dynamics(&dispatcher, broadphase.get(), &solver, &configuration) {
    // A new contact between curved or meshed shapes gets its full set of points at
    // once, so that a body lands flat instead of tipping on its first point.
    configuration.setConvexConvexMultipointIterations(3, 3);
    dynamics.setGravity(btVector3(0, 0, 0));  // gravity comes from the force callbacks
    dynamics.setForceUpdateAllAabbs(false);
    dynamics.getPairCache()->setOverlapFilterCallback(&pairFilter);
    applySolverSettings(*this);
}

NewtonWorld::~NewtonWorld() {
    // The contact pairs go first, all at once: taking the bodies out of Bullet's
    // world one by one would search all the pairs for each body's own.
    engine::dropAllPairs(*this);
    while (ragdolls.size()) engine::destroyRagDoll(*ragdolls[0]);
    while (joints.size()) engine::destroyJoint(*joints[0]);
    while (bodies.size()) engine::destroyBody(*bodies[0]);
    while (shapes.size()) engine::freeShape(*shapes[0]);
}

namespace engine {

bool insideWorld(const NewtonBody& body) {
    btVector3 low;
    btVector3 high;
    body.rigid.getAabb(low, high);
    const NewtonWorld& world = *body.world;
    return low.x() <= world.sizeMax.x() && high.x() >= world.sizeMin.x() && low.y() <= world.sizeMax.y() &&
           high.y() >= world.sizeMin.y() && low.z() <= world.sizeMax.z() && high.z() >= world.sizeMin.z();
}

}  // namespace engine

NewtonWorld* NewtonCreate(NewtonAllocMemory malloc, NewtonFreeMemory mfree) {
    engine::installContactCallbacks();
    const engine::Memory memory = (malloc && mfree) ? engine::Memory{malloc, mfree} : engine::Memory{};
    return memory.create<NewtonWorld>(memory.allocate, memory.release);
}

void NewtonDestroy(const NewtonWorld* newtonWorld) {
    NewtonWorld* world = edit(newtonWorld);
    if (!world || world->updating) return;
    const engine::Memory memory = world->memory;
    memory.destroy(world);
}

void NewtonSetSolverModel(const NewtonWorld* newtonWorld, int model) {
    if (NewtonWorld* world = edit(newtonWorld)) {
        world->solverModel = std::max(model, 0);
        applySolverSettings(*world);
    }
}

void NewtonSetFrictionModel(const NewtonWorld* newtonWorld, int model) {
    if (NewtonWorld* world = edit(newtonWorld)) {
        world->frictionModel = model;
        applySolverSettings(*world);
    }
}

void NewtonSetPlatformArchitecture(const NewtonWorld* newtonWorld, int mode) {
    if (NewtonWorld* world = edit(newtonWorld)) {
        world->platform = mode;
        applySolverSettings(*world);
    }
}

void NewtonSetMultiThreadSolverOnSingleIsland(const NewtonWorld*, int) {}

void NewtonSetMinimumFrameRate(const NewtonWorld* newtonWorld, dFloat frameRate) {
    if (NewtonWorld* world = edit(newtonWorld)) {
        world->minimumFrameRate = std::isfinite(frameRate) ? std::clamp<btScalar>(frameRate, 0, kHighestFrameRate) : 0;
    }
}

void NewtonSetWorldSize(const NewtonWorld* newtonWorld, const dFloat* minPoint, const dFloat* maxPoint) {
    NewtonWorld* world = edit(newtonWorld);
    const btVector3 a = engine::toVector(minPoint);
    const btVector3 b = engine::toVector(maxPoint);
    if (!world || !engine::finite(a) || !engine::finite(b)) return;
    world->sizeMin = a;
    world->sizeMin.setMin(b);
    world->sizeMax = a;
    world->sizeMax.setMax(b);
}

namespace {
double updateMilliseconds = 0;
}

double NewtonGetUpdateMilliseconds() { return updateMilliseconds; }

void NewtonUpdate(const NewtonWorld* newtonWorld, dFloat timestep) {
    NewtonWorld* world = edit(newtonWorld);
    if (!world || world->updating) return;
    const auto started = std::chrono::steady_clock::now();
    const btScalar step = timestep >= kShortestStep ? std::min<btScalar>(timestep, kLongestStep) : kShortestStep;
    engine::admitWaitingBodies(*world);
    world->updating = true;
    runForceCallbacks(*world, step);
    const int subSteps = engine::subStepCount(*world, step);
    const btScalar subStep = step / static_cast<btScalar>(subSteps);
    const RestBeforeSleep rest;
    for (int i = 0; i < subSteps; ++i) {
        applyForces(*world);
        world->dynamics.stepSimulation(subStep, 0, subStep);
    }
    stopBodiesOutsideWorld(*world);
    world->updating = false;
    for (NewtonBody* body : std::exchange(world->doomed, {})) engine::destroyBody(*body);
    updateMilliseconds += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
}

int NewtonWorldGetBodyCount(const NewtonWorld* newtonWorld) {
    return newtonWorld ? static_cast<int>(newtonWorld->bodies.size()) : 0;
}

NewtonBody* NewtonWorldGetFirstBody(const NewtonWorld* newtonWorld) {
    return newtonWorld && newtonWorld->bodies.size() > 0 ? newtonWorld->bodies[0] : nullptr;
}

NewtonBody* NewtonWorldGetNextBody(const NewtonWorld* newtonWorld, const NewtonBody* curBody) {
    if (!newtonWorld || !curBody) return nullptr;
    const std::size_t next = curBody->slot + 1;
    return next < newtonWorld->bodies.size() ? newtonWorld->bodies[next] : nullptr;
}

int NewtonWorldGetConstraintCount(const NewtonWorld* newtonWorld) {
    return newtonWorld ? static_cast<int>(newtonWorld->joints.size()) : 0;
}
