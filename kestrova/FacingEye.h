#pragma once
// Where the eye stands in the frame of a solid placed by a body's matrix, read
// from the current GL state, so that the triangles OpenGL would cull as back
// faces can be left out before they are sent at all.
#include "base/GLTypes.h"

#include <array>
#include <optional>

// The eye point in the frame that `place` maps into the current model-view
// frame, when OpenGL culls back faces in the usual way: culling on, back faces
// culled, counter-clockwise fronts, a perspective projection round the eye,
// and model-view and placement that keep handedness. Otherwise nothing: every
// triangle must then be sent.
std::optional<std::array<float, 3>> eyeInPlacedFrame(const TGLBaseMatrix& place);

// Whether a triangle whose plane has unit normal `n` (wound counter-clockwise
// round it) and offset `d` (n . p for its points) faces `eye`. Triangles seen
// nearly edge-on are kept: they count as facing within a hair's breadth that
// grows with the eye's distance from the frame's origin (`reach`), far more
// than single-precision rounding and far less than a pixel.
inline bool facesEye(const std::array<float, 4>& plane, const std::array<float, 3>& eye, float reach) {
    return plane[0] * eye[0] + plane[1] * eye[1] + plane[2] * eye[2] - plane[3] > -1e-4f * reach;
}
