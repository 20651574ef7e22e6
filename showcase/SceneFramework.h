#pragma once
// What every scene shares: the opening of its initialiser, the tick clock of
// the time-scaled scenes, the material recipe, and the parts of the viewer
// skeleton.
#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"
#include "kestrova/SolidBatch.h"

#include <cstddef>
#include <cstdint>
#include <iterator>

struct PHY_Box;

// Tick counts (ms) shared by the scenes whose step follows the frame time:
// SETFREQ is stored by their initialisers, SETSTART at the start and SETEND at
// the end of their viewers.
extern std::int32_t SETFREQ;
extern std::int32_t SETSTART;
extern std::int32_t SETEND;
extern float PICKEXPSTEP;  // charge of the click explosion

// Whether a scene's step follows the frame time (SETFREQ, SETSTART, SETEND).
enum class SceneClock { FIXEDSTEP, TICKSCALED };

// Opens every initialiser: STARTSCENEINIT, then `fresh` takes the place of the
// scene's world (REPLACEWORLD) and gets the world box from -halfSize to halfSize.
void OPENSCENE(NewtonWorld*& world, NewtonWorld* fresh, SceneClock clock, const TGLVector& halfSize);
// Initialiser steps 1 and 2: store the tick count (time-scaled scenes only)
// and seed the physics layer's random generator (from the clock, unless a
// fixed seed makes runs repeat).
void STARTSCENEINIT(bool tickScaled);
// Stores a scene's new world and destroys the one it replaces, so that holding
// R (a rebuild every frame) does not let memory grow. Records that still hold
// bodies of the old world must already be hidden and are never touched again.
void REPLACEWORLD(NewtonWorld*& scene, NewtonWorld* fresh);
// The step of a time-scaled scene: (SETSTART - SETEND) / SETFREQ x a x b.
float TICKSCALEDSTEP(float a, float b);
// Marks the start of a time-scaled viewer's frame (SETSTART).
void STARTTICKFRAME();
// Marks its end (SETEND).
void ENDTICKFRAME();

// The scenes' material: ambient and specular the colour (an 8-bit triple / 300),
// diffuse 0.25, emission 0.1, shininess 50.
void SCENEMATERIAL(int r, int g, int b);
// The matt variant of the compound trees and pins: no specular light, shininess 10.
void SCENEMATERIALMATT(int r, int g, int b);

// Steps the scene's world (unless it is paused) and applies the gravity level
// chosen in the selector.
void STEPSCENE(NewtonWorld* world, float timestep);
// Collision outlines when debug drawing is on.
void DEBUGSCENE(NewtonWorld* world);

// Draws a scene's floor in the floors' grey after the opaque bodies that stand
// on it, so that the renderer skips shading the floor where they hide it.
// Where a body meets the floor at the same depth the body still shows, as it
// did over a floor drawn first: the floor's depth test is strict.
void DRAWFLOOR(const PHY_Box& floor);

// Draws the records of an array of bodies from `first` on (hidden ones draw
// nothing) in one batch (SolidBatch.h): their solids reach OpenGL as one draw
// for each material the bodies set. A kind whose DRAW changes other GL state
// (a colour, lighting) must be drawn one by one instead.
template <typename Bodies>
void DRAWALL(const Bodies& bodies, std::size_t first = 0) {
    const SolidBatch batch;
    for (std::size_t i = first; i < std::size(bodies); ++i) bodies[i].DRAW();
}
// Hides every record (the array keeps its length).
template <typename Bodies>
void DELETEALL(Bodies& bodies) {
    for (auto& body : bodies) body.DELETE();
}
