#pragma once
// The view that OpenGL's current matrices give, read once for a model's
// drawing: whether a box in model coordinates can show at all, and how far
// its far end lies from the eye.
#include "KEVA_3DS/ModelTypes.h"

#include <array>

class ViewVolume {
public:
    // Reads the current projection and model-view matrices.
    static ViewVolume current();
    // False only when every corner of the box lies beyond one side of the view.
    bool mayShow(const T3dpoint& minimum, const T3dpoint& maximum) const;
    // From the eye to the farthest corner of the box, in model units.
    float farthestCorner(const T3dpoint& minimum, const T3dpoint& maximum) const;

private:
    std::array<float, 16> clip_{};  // projection times model-view, by columns
    T3dpoint eye_;                  // the eye in model coordinates
};
