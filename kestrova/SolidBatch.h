#pragma once
// Many bodies' solids sent to OpenGL as one draw. While a SolidBatch is open,
// SolidMesh::draw places the triangles of each solid that face the eye by the
// body's matrix and keeps them; the batch sends them all as one indexed array
// when it closes. Fewer vertices are lit than in immediate mode (a box's
// corners are shared by the triangles of a face), and there is one call per
// batch instead of three per vertex. Where depth is tested and written and
// nothing is blended, the bodies go nearest first, so that the renderer skips
// shading what they hide.
//
// Open a batch round a run of bodies drawn with one material. The batch sends
// what it holds before the material or the texture changes (SETGLNEWMAT,
// TEXTURETGASELECTID, TEXTUREON, TEXTUREOFF), before the solids draw in
// immediate mode, and when the model-view matrix or the culling differs from
// the one its solids were placed under. Any other change of GL state (a
// colour, lighting switched off) must wait until the batch is closed.
#include "kestrova/SolidMesh.h"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

class SolidBatch {
public:
    SolidBatch();   // inside an open batch, the solids go on into that one
    ~SolidBatch();  // sends the solids when the outermost batch closes
    SolidBatch(const SolidBatch&) = delete;
    SolidBatch& operator=(const SolidBatch&) = delete;
};

// Sends the solids that the open batch holds, if any, and empties it.
void sendSolidBatch();

// What SolidMesh::draw adds to: the solids placed in the model-view frame
// `modelView`, and the eye in that frame's terms when back faces are culled.
struct PlacedSolids {
    TGLBaseMatrix modelView{};
    bool cullsBackFaces = false;  // as usual (FacingEye.h)
    std::vector<SolidMesh::Vertex> vertices;
    std::vector<GLuint> triangles;  // three indices into vertices each
    struct Body {
        float eyeZ;          // of the body's origin; the nearest has the largest
        std::size_t first;   // its indices in triangles
        std::size_t count;
    };
    std::vector<Body> bodies;  // in the order they were added

    // Adds a body's run of indices, from `first` to the end of triangles,
    // placed at `origin` in the model-view frame.
    void endBody(std::size_t first, const std::array<float, 3>& origin);
    void clear();
};

// The open batch, ready to take solids placed under the current model-view
// matrix and culling: what it held under others is sent first. Nothing when
// no batch is open.
PlacedSolids* openSolidBatch();
