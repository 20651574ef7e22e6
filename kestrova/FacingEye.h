#pragma once
// Where the eye stands in the frame of a solid placed by a body's matrix, read
// from the current GL state, so that the triangles OpenGL would cull as back
// faces can be left out before they are sent at all.
#include "base/GLTypes.h"

#include <array>
#include <optional>

// Whether OpenGL culls back faces in the usual way: culling on, back faces
// culled, counter-clockwise fronts, and a perspective projection round the eye.
bool backFacesCulledAsUsual();

// The eye point in the frame that `place` maps into the model-view frame
// `modelView`, when both keep handedness and the model-view is affine;
// otherwise nothing.
std::optional<std::array<float, 3>> eyeInPlacedFrame(const TGLBaseMatrix& modelView, const TGLBaseMatrix& place);

// The same from the current model-view, when back faces are culled as usual.
// Otherwise nothing: every triangle must then be sent.
std::optional<std::array<float, 3>> eyeInPlacedFrame(const TGLBaseMatrix& place);

// Whether a triangle whose plane has unit normal `n` (wound counter-clockwise
// round it) and offset `d` (n . p for its points) faces `eye`. Triangles seen
// nearly edge-on are kept: they count as facing within a hair's breadth that
// grows with the eye's distance from the frame's origin (`reach`), far more
// than single-precision rounding and far less than a pixel.
inline bool facesEye(const std::array<float, 4>& plane, const std::array<float, 3>& eye, float reach) {
    return plane[0] * eye[0] + plane[1] * eye[1] + plane[2] * eye[2] - plane[3] > -1e-4f * reach;
}
