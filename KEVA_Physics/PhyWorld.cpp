// Worlds, the world box and the fixed time slice.
#include "KEVA_Physics/PhyWorld.h"

#include <cmath>
#include <cstdlib>

#include "kestrova/Platform.h"

TGLVector PHYWORLDMIN;
TGLVector PHYWORLDMAX;
float PHYACCTIMESLICE = 0;
std::uint32_t PHYTIMELASTFRAME = 0;
float PHYTIME = 0;

namespace {

// The most real time one frame simulates, in milliseconds.
constexpr float kLongestCatchUp = 250;

NewtonWorld* createWorld(float frame, int precision) {
    NewtonWorld* world = NewtonCreate(PHY_ALLOCMEM, PHY_FREEMEM);
    NewtonSetSolverModel(world, precision);
    NewtonSetPlatformArchitecture(world, precision);
    NewtonSetMultiThreadSolverOnSingleIsland(world, precision);
    NewtonSetFrictionModel(world, precision);
    NewtonSetMinimumFrameRate(world, frame);
    return world;
}

}  // namespace

void* PHY_ALLOCMEM(std::int32_t sizeInBytes) {
    return sizeInBytes > 0 ? std::malloc(static_cast<std::size_t>(sizeInBytes)) : nullptr;
}

void PHY_FREEMEM(void* ptr, std::int32_t) {
    std::free(ptr);
}

NewtonWorld* PHY_INITWORLD(float frame) {
    return createWorld(frame, 1);
}

NewtonWorld* PHY_INITWORLDHIGHPRECISION(float frame) {
    return createWorld(frame, 0);
}

void PHY_SETWORLDSIZE(const NewtonWorld* world, float x1, float y1, float z1, float x2, float y2, float z2) {
    PHYWORLDMIN = TGLVector{x1, y1, z1};
    PHYWORLDMAX = TGLVector{x2, y2, z2};
    NewtonSetWorldSize(world, &PHYWORLDMIN.X, &PHYWORLDMAX.X);
}

void PHY_INITOPTIMIZE() {
    PHYTIMELASTFRAME = platform::tickCount();
    PHYTIME = static_cast<float>(PHYTIMELASTFRAME);
}

void PHY_SETOPTIMIZE() {
    const std::uint32_t now = platform::tickCount();
    PHYACCTIMESLICE += static_cast<float>(now - PHYTIMELASTFRAME);
    PHYTIMELASTFRAME = now;
}

void PHY_UPDATEOPTIMIZE(const NewtonWorld* world, float dt) {
    if (!(dt > 0)) return;
    int slices = static_cast<int>(std::ceil(kLongestCatchUp / dt));
    while (PHYACCTIMESLICE > dt && slices-- > 0) {
        NewtonUpdate(world, dt / 1000.0f);
        PHYACCTIMESLICE -= dt;
    }
    if (PHYACCTIMESLICE > dt) PHYACCTIMESLICE = std::fmod(PHYACCTIMESLICE, dt);
}
