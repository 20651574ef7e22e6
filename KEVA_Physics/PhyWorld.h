#pragma once
// Physics worlds: creation with the engine's two solver settings, the world
// box, and stepping on a fixed time slice that follows wall-clock time.
#include <cstdint>

#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

// The corners last given to PHY_SETWORLDSIZE (debug drawing walks this box).
extern TGLVector PHYWORLDMIN;
extern TGLVector PHYWORLDMAX;
// Milliseconds of real time not yet simulated by PHY_UPDATEOPTIMIZE.
extern float PHYACCTIMESLICE;
// Tick count (ms) at the last PHY_INITOPTIMIZE or PHY_SETOPTIMIZE.
extern std::uint32_t PHYTIMELASTFRAME;
// Tick count at the last PHY_INITOPTIMIZE.
extern float PHYTIME;

// The engine's memory callbacks: blocks of exactly the given size on the program's heap.
void* PHY_ALLOCMEM(std::int32_t sizeInBytes);
void PHY_FREEMEM(void* ptr, std::int32_t sizeInBytes);

// A world with the fast solver and friction (scenes pass 15, 25 or 60 as the
// minimum frame rate).
NewtonWorld* PHY_INITWORLD(float frame);
// A world with the exact solver and friction.
NewtonWorld* PHY_INITWORLDHIGHPRECISION(float frame);
// The world box from (x1, y1, z1) to (x2, y2, z2); also kept in PHYWORLDMIN/MAX.
void PHY_SETWORLDSIZE(const NewtonWorld* world, float x1, float y1, float z1, float x2, float y2, float z2);

// Fixed time slice. INIT starts the clock (the accumulated time is kept, so
// what a previous scene left over runs in the next); SET, once per frame, adds
// the milliseconds since the last call; UPDATE runs one engine update of dt/1000
// seconds for each whole slice of dt milliseconds while the accumulated time
// is strictly greater than dt. One frame catches up at most a quarter of a
// second; older time is dropped rather than simulated all at once.
void PHY_INITOPTIMIZE();
void PHY_SETOPTIMIZE();
void PHY_UPDATEOPTIMIZE(const NewtonWorld* world, float dt);
