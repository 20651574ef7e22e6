#pragma once
// A solid recorded once in its own frame, as triangles over shared vertices,
// and drawn again and again placed by a body's matrix. Inside a batch
// (SolidBatch.h) every solid is placed on the CPU and the batch sends them all
// in one draw. Drawn alone, small solids (boxes) are placed on the CPU and sent
// in immediate mode; larger ones, whose vertices outweigh a draw call, go as
// one indexed vertex array inside the body's matrix, so that the renderer
// lights each vertex once, not once for every triangle that meets there.
#include "kestrova/SolidSink.h"
#include "base/GLTypes.h"

#include <array>
#include <optional>
#include <vector>

struct PlacedSolids;

class SolidMesh final : public SolidSink {
public:
    // Solids recorded from now on stand in the mesh's frame as `frame` places
    // them (a rotation, a scale, a shift); the identity at first.
    void setFrame(const TGLBaseMatrix& frame);
    // The solids recorded from now on close round the mesh's origin (convex,
    // like a capped cylinder or a cone on its base). Of their faces drawn with
    // culling off, the side that faces inwards is left out when the eye is
    // outside the solid and back faces are culled: from there it hides behind
    // the near faces, where it would still cost the renderer.
    void closesRoundOrigin();

    void begin(GLenum mode) override;
    void normal(double x, double y, double z) override;
    void texCoord(double s, double t) override;
    void vertex(double x, double y, double z) override;
    void end() override;
    void cullingOff() override;
    void cullingOn() override;

    // Sends the recorded primitives placed by `place` (a rigid body matrix),
    // as the solids would have drawn them inside glMultMatrixf(place); with
    // a batch open (SolidBatch.h), adds the triangles to it instead.
    void draw(const TGLBaseMatrix& place) const;

    struct Vertex {  // as glInterleavedArrays reads GL_T2F_N3F_V3F
        std::array<float, 2> tex;
        std::array<float, 3> normal;
        std::array<float, 3> pos;
    };

private:
    const std::vector<GLuint>& facing(const std::optional<std::array<float, 3>>& eye) const;
    void addTo(PlacedSolids& batch, const TGLBaseMatrix& place) const;
    void addTriangle(int first, int a, int b, int c);

    std::vector<Vertex> vertices_;
    std::vector<GLuint> triangles_;  // three indices into vertices_ each
    std::vector<std::array<float, 4>> planes_;  // each triangle's unit normal, wound as it is, and offset
    std::vector<bool> inside_;  // the inner side of a closed solid's face
    float reach_ = 0;           // how far the farthest vertex lies from the origin
    std::vector<Vertex> points_;
    std::vector<Vertex> primitive_;  // the one being recorded
    GLenum mode_ = GL_POINTS;
    Vertex next_{};
    bool bothSides_ = false;
    bool closed_ = false;
    bool turnsCullingOn_ = false;  // the solids switch culling on after them
    std::array<float, 12> frame_ = {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0};  // linear part by columns, then shift
    std::array<float, 9> normalFrame_ = {1, 0, 0, 0, 1, 0, 0, 0, 1};       // its inverse transpose
};
