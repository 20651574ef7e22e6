#pragma once
// Scenes written as 3DS files: the editor part (materials, meshes, a light, a
// camera) and a keyframer with a node for each of them.
#include "../LittleEndian.h"
#include "Scene.h"

// Every mesh is written as it stands: world vertices, an identity local frame and
// a zero pivot.
Bytes scene3dsBytes(const Scene& scene);
