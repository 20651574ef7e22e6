#pragma once
// Scenery models made solid: every triangle of a loaded model becomes a face
// of one static mesh body.
#include "KEVA_3DS/Scenery3ds.h"
#include "KEVA_Physics/engine/NewtonImport.h"

// A static body of the model's triangles (as drawn: pivoted and scaled), in
// the world's frame. With autoWorldSize the world box becomes the model's box.
// Nothing happens without a model; `body` is not used.
void PHY_ADD3DSCOLLISION(NewtonWorld* world, NewtonBody* body, const TGL3DSModel& scene3ds, bool autoWorldSize);
