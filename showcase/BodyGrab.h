#pragma once
// Grabbing a body with the mouse, in every scene drawn under the shell's
// camera: the middle button, or the left one with Ctrl, takes the movable body
// under the pointer and pulls it towards the pointer at the depth where it was
// taken; releasing the button lets it go.
#include "KEVA_Physics/engine/NewtonImport.h"

struct SceneRow;

// One frame of the grab, after the scene's viewer: the modelview is still the
// camera its bodies were drawn with. Lets go of a body of another scene.
void GRABINSCENE(const SceneRow* scene);
// Lets go of a body of `world` before that world is destroyed.
void DROPGRABIN(const NewtonWorld* world);
