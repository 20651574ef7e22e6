#pragma once
// The landscape and the two sceneries of the first-person scenes.
#include "TerWriter.h"
#include "mesh/Scene.h"

// A valley closed by ridges, 100 x 100 samples; the scene stands it at
// (0, -100, 0) with 15 units a sample and 2.25 a height step.
HeightMap grottaHeights();
// An Inca city in a ring of peaks, about 640 file units across (z up).
Scene incaCityScene();
// A castle with an outer wall, standing on z = 0.
Scene castleScene();
