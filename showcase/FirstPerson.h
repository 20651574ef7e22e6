#pragma once
// What the three first-person scenes share: opening the world with its
// player, and the two halves of the viewer around the scenery's drawing.
#include "KEVA_Physics/PhyPlayer.h"
#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"
#include "showcase/SphereLauncher.h"

// Opens a first-person scene's world (frame rate 60, world box from -halfSize
// to halfSize) and clears its player record, so that a rebuild starts looking
// along -z again. The scenery goes in next; CLOSEPLAYERINIT finishes the build.
void OPENPLAYERINIT(NewtonWorld*& world, PHY_PLAYERGAME& player, const TGLVector& halfSize);
// The player of size (1.5, 3.5, 1.5) at `pos` walking at `speed` (0: the
// default), in its own material group (no friction, no bounce with the rest);
// then the clock of the world's time slices starts.
void CLOSEPLAYERINIT(NewtonWorld* world, PHY_PLAYERGAME& player, const TGLVector& pos, float speed);

// The first half of a viewer: the time since the last frame and the gravity
// level, the view from the player's eyes turned by the mouse (`mouseSpeed`
// degrees per 100 pixels), walking with the arrows (right shift runs) and
// jumping with the space bar.
void STARTPLAYERFRAME(PHY_PLAYERGAME& player, float mouseSpeed);
// The second half: "A" shoots one sphere of `power`, "S" a burst; the
// outlines when debug drawing is on; then the world runs the time gone by in
// slices of `slice` milliseconds.
void ENDPLAYERFRAME(NewtonWorld* world, PHY_Bullet (&bullets)[11], float power, float slice);

// The grey, slightly shiny material of the landscape and the castle's floor.
void GROUNDMATERIAL();
