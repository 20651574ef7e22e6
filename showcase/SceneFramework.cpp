#include "showcase/SceneFramework.h"

#include "KEVA_Physics/PhyDebug.h"
#include "KEVA_Physics/PhyPick.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "KEVA_Physics/PhyWorld.h"
#include "KEVA_Physics/PhyRandom.h"
#include "kestrova/Lights.h"
#include "kestrova/Platform.h"
#include "showcase/BodyGrab.h"
#include "showcase/GravityLevels.h"
#include "showcase/ScenePause.h"
#include "showcase/Shell.h"

#include <GL/gl.h>

#include <cmath>

std::int32_t SETFREQ = 0;
std::int32_t SETSTART = 0;
std::int32_t SETEND = 0;
float PICKEXPSTEP = 0;

namespace {
std::int32_t ticks() { return static_cast<std::int32_t>(platform::tickCount()); }
}  // namespace

void OPENSCENE(NewtonWorld*& world, NewtonWorld* fresh, SceneClock clock, const TGLVector& halfSize) {
    STARTSCENEINIT(clock == SceneClock::TICKSCALED);
    REPLACEWORLD(world, fresh);
    PHY_SETWORLDSIZE(world, -halfSize.X, -halfSize.Y, -halfSize.Z, halfSize.X, halfSize.Y, halfSize.Z);
}

void STARTSCENEINIT(bool tickScaled) {
    if (tickScaled) SETFREQ = ticks();
    RANDOMIZE();
}

void REPLACEWORLD(NewtonWorld*& scene, NewtonWorld* fresh) {
    NewtonWorld* old = scene;
    scene = fresh;
    if (!old || old == fresh) return;
    // A pick in progress must not outlive the body it holds.
    if (PICKEDBODY && NewtonBodyGetWorld(PICKEDBODY) == old) {
        PICKEDBODY = nullptr;
        MOUSEPICKMODE = false;
    }
    DROPGRABIN(old);
    NewtonDestroy(old);
}

float TICKSCALEDSTEP(float a, float b) {
    // A tick count of 0 would divide by zero, and one past 24.8 days of uptime
    // reads as negative in 32 bits: its size is what matters. The engine clamps
    // whatever step results.
    if (SETFREQ == 0) return 0;
    const std::int32_t elapsed = SETSTART - SETEND;
    return static_cast<float>(elapsed) / std::fabs(static_cast<float>(SETFREQ)) * a * b;
}

void STARTTICKFRAME() { SETSTART = ticks(); }
void ENDTICKFRAME() { SETEND = ticks(); }

namespace {
// Ambient the colour (an 8-bit triple / 300), diffuse 0.25, emission 0.1; specular the colour or black.
void sceneMaterial(int r, int g, int b, bool specular, float shininess) {
    const float red = static_cast<float>(r) / 300.0f;
    const float green = static_cast<float>(g) / 300.0f;
    const float blue = static_cast<float>(b) / 300.0f;
    const float shine = specular ? 1.0f : 0.0f;
    SETGLNEWMAT(red, green, blue, 0.25f, 0.25f, 0.25f, red * shine, green * shine, blue * shine, 0.1f, 0.1f, 0.1f,
                shininess);
}
}  // namespace

void SCENEMATERIAL(int r, int g, int b) { sceneMaterial(r, g, b, true, 50); }
void SCENEMATERIALMATT(int r, int g, int b) { sceneMaterial(r, g, b, false, 10); }

void STEPSCENE(NewtonWorld* world, float timestep) {
    if (SCENEADVANCES()) NewtonUpdate(world, timestep);
    SELECTGRAVITY(SETGRAVITY);
}

void DEBUGSCENE(NewtonWorld* world) {
    if (ENABLEDEBUG) PHY_DEBUGCOLLISION(world);
}

void DRAWFLOOR(const PHY_Box& floor) {
    SCENEMATERIAL(192, 192, 192);
    glDepthFunc(GL_LESS);
    floor.DRAW();
    sendSolidBatch();  // under the strict test, should a batch be open
    glDepthFunc(GL_LEQUAL);
}
