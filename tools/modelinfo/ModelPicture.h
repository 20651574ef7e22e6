#pragma once
// Offscreen pictures of a model or a landscape, lit and textured, from a
// camera framed on its bounding box or from a given eye point.
#include "ModelInfoOptions.h"

#include <functional>
#include <string>

struct ViewBox {
    Point3 min, max;
};

// Clears an 800 x 600 picture to a sky colour, places the camera and a light
// from above, runs `draw` and writes the picture as a PNG; false when it
// cannot be written.
bool writePicture(const ModelInfoOptions& options, const ViewBox& box, const std::function<void()>& draw);
