// What the collision unit draws, read back through the feedback buffer, and a
// picture of its solids to look at.
#include "ReferenceGeometry.h"

#include "kestrova/GeometryCapture.h"
#include "support/OffscreenGL.h"

#include "KEVA_Collision/SolidDrawing.h"
#include "kestrova/Lights.h"
#include "kestrova/Projection.h"
#include "kestrova/RenderState.h"

#include <GL/gl.h>

#include <cmath>
#include <filesystem>

using namespace collision;

namespace {

// The feedback buffer returns every quad as two triangles: this joins them
// again, their six corners in one polygon.
std::vector<CapturedPrimitive> drawnQuads(const std::function<void()>& draw, CaptureMode mode) {
    const std::vector<CapturedPrimitive> triangles = polygonsOf(captureGeometry(draw, mode));
    std::vector<CapturedPrimitive> quads;
    for (std::size_t i = 0; i + 1 < triangles.size(); i += 2) {
        quads.push_back(triangles[i]);
        for (const CapturedVertex& v : triangles[i + 1].vertices) quads.back().vertices.push_back(v);
    }
    EXPECT_EQ(triangles.size() % 2, 0u);
    return quads;
}

}  // namespace

class SolidDrawing : public OffscreenGL {};

TEST_F(SolidDrawing, ABoxIsSixQuadsInTableOrderFacingOutwards) {
    const TGLVector pos{1, 2, 0};
    const auto draw = [&] { RENDERCUBE(pos, ORIGIN, -1, -2, -3, 1, 2, 3); };
    const auto wound = drawnQuads(draw, CaptureMode::TexCoords);
    const auto lit = drawnQuads(draw, CaptureMode::Normals);
    ASSERT_EQ(wound.size(), 6u);
    ASSERT_EQ(lit.size(), 6u);
    // Faces z = 3, z = -3, y = 2, y = -2, x = 1, x = -1, as offsets from the centre.
    const TGLVector outwards[6] = {{0, 0, 3}, {0, 0, -3}, {0, 2, 0}, {0, -2, 0}, {1, 0, 0}, {-1, 0, 0}};
    for (int i = 0; i < 6; ++i) {
        const TGLVector& out = outwards[i];
        for (const CapturedVertex& v : wound[i].vertices)
            EXPECT_NEAR(dot(v.pos - pos, out), dot(out, out), 1e-3f) << "face " << i + 1;
        EXPECT_GT(dot(windingNormal(wound[i]), out), 0) << "face " << i + 1;
        for (const CapturedVertex& v : lit[i].vertices)
            EXPECT_NEAR(dot(normalOf(v), out), length(out), 1e-3f) << "face " << i + 1;
    }
}

TEST_F(SolidDrawing, AFourSidedCylinderIsFiveQuadsPerPartWithLitCapsAndCullingOnAfterwards) {
    glDisable(GL_CULL_FACE);
    const auto draw = [] { RENDERCYLINDER(TGLVector{0, -2, 0}, ORIGIN, 4, 3, 4); };
    const auto lit = drawnQuads(draw, CaptureMode::Normals);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    ASSERT_EQ(lit.size(), 15u);
    for (std::size_t i = 0; i < lit.size(); ++i) {
        const bool cap = i < 5 || i >= 10;
        for (const CapturedVertex& v : lit[i].vertices) {
            const TGLVector n = normalOf(v);
            EXPECT_NEAR(length(n), 1, 1e-3f) << "quad " << i;
            // Caps face along the axis, the side outwards from it.
            if (cap) {
                EXPECT_NEAR(std::fabs(n.Y), 1, 1e-3f) << "quad " << i;
                EXPECT_NEAR(v.pos.Y, i < 5 ? 2 : -2, 1e-3f) << "quad " << i;
            } else if (i != 5) {  // quad 5 is the seam's sliver
                EXPECT_GT(n.X * v.pos.X + n.Z * v.pos.Z, 0) << "quad " << i;
            }
        }
    }
}

TEST_F(SolidDrawing, ConesWithoutSegmentsDrawNothingAndManySegmentsDrawThemAll) {
    for (int numpoints : {-1, 0})
        EXPECT_TRUE(captureGeometry([=] { RENDERMORPHCONE(ORIGIN, ORIGIN, numpoints, 1, 2, 3); }).empty());
    for (int numpoints : {1, 100, 150})
        EXPECT_EQ(
            drawnQuads([=] { RENDERMORPHCONE(ORIGIN, ORIGIN, numpoints, 1, 2, 3); }, CaptureMode::TexCoords).size(),
            static_cast<std::size_t>(numpoints + 1));
}

TEST_F(SolidDrawing, PictureOfTheTestedSolids) {
    OPENGL_INIT(1000, 1, 0.12, 0.12, 0.18);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SETGLREFRACTIVE();
    SETGLLIGHT(GL_LIGHT0, 0, 0, 1, 0);
    const TGLVector turned{20, -30, 0};
    const std::function<void()> exhibits[6] = {
        [&] {
            RENDERQUAD(ORIGIN, turned, {-1.5f, 1, 0}, {1.5f, 1, 0}, {-1.5f, -1, 0}, {1.5f, -1, 0});
        },
        [&] { RENDERCUBE(ORIGIN, turned, -1.2f, -1, -1, 1.2f, 1, 1); },
        [&] {
            RENDERMORPHCONE(TGLVector{0, -1.2f, 0}, turned, 16, 0.6f, 1.5f, 2.4f);
        },
        [&] {
            RENDERCYLINDER(TGLVector{0, -1.2f, 0}, turned, 4, 1.4f, 2.4f);
        },
        [&] {
            RENDERCYLINDER(TGLVector{0, -1.2f, 0}, turned, 8, 1.4f, 2.4f);
        },
        [&] {
            RENDERCYLINDER(TGLVector{0, -1.2f, 0}, TGLVector{70, -30, 0}, 20, 1.4f, 2.4f);
        },
    };
    const float colours[6][3] = {{0.9f, 0.8f, 0.3f}, {0.3f, 0.6f, 0.9f}, {0.9f, 0.4f, 0.3f},
                                 {0.4f, 0.9f, 0.4f}, {0.8f, 0.4f, 0.9f}, {0.7f, 0.7f, 0.7f}};
    for (int i = 0; i < 6; ++i) {
        glLoadIdentity();
        glTranslatef(-5 + 5.0f * static_cast<float>(i % 3), 2.6f - 5.2f * static_cast<float>(i / 3), -16);
        const float* c = colours[i];
        SETGLNEWMAT(0.25f * c[0], 0.25f * c[1], 0.25f * c[2], c[0], c[1], c[2], 0.4f, 0.4f, 0.4f, 0, 0, 0, 30);
        exhibits[i]();
    }
    const std::filesystem::path buildDir = std::filesystem::path(KESTROVA_TEST_DATA).parent_path();
    savePng((buildDir / "collision-solids.png").c_str());

    // Each solid stands lit in its own cell of the 3 x 2 grid.
    const std::vector<int> lit = brightPixelsPerCell(3, 2, 80);
    for (int i = 0; i < 6; ++i) EXPECT_GT(lit[static_cast<std::size_t>(i)], 2000) << "cell " << i;
}
