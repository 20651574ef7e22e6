// What the solids emit, read back through the feedback buffer: counts,
// winding seen from outside, outward normals and texture coordinates.
#include "GeometryCapture.h"
#include "support/OffscreenGL.h"

#include "kestrova/Solids.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

namespace {

using Centre = std::function<TGLVector(const TGLVector&)>;

Centre fixedCentre(TGLVector c) {
    return [c](const TGLVector&) { return c; };
}

// The nearest point of the torus' centre circle (radius r round z at the origin).
Centre torusCentreLine(float r) {
    return [r](const TGLVector& p) {
        const float d = std::hypot(p.X, p.Y);
        return TGLVector{p.X * r / d, p.Y * r / d, 0};
    };
}

// Every polygon with an area is wound counter-clockwise seen from outside:
// its winding normal points away from the solid's inside.
void expectWoundOutwards(const std::vector<CapturedPrimitive>& polygons, const Centre& inside) {
    int wound = 0;
    for (const CapturedPrimitive& p : polygons) {
        const TGLVector n = windingNormal(p);
        if (length(n) < 1e-5f) continue;
        const TGLVector c = centroid(p);
        EXPECT_GT(dot(n, c - inside(c)), 0) << "polygon at " << c.X << ", " << c.Y << ", " << c.Z;
        ++wound;
    }
    EXPECT_GT(wound, 0);
}

// Every vertex carries a normal pointing away from the solid's inside.
void expectNormalsOutwards(const std::vector<CapturedPrimitive>& polygons, const Centre& inside) {
    ASSERT_FALSE(polygons.empty());
    for (const CapturedPrimitive& p : polygons)
        for (const CapturedVertex& v : p.vertices) {
            const TGLVector n = normalOf(v);
            EXPECT_NEAR(length(n), 1, 1e-3f);
            EXPECT_GT(dot(n, v.pos - inside(v.pos)), 0) << "vertex at " << v.pos.X << ", " << v.pos.Y << ", " << v.pos.Z;
        }
}

void expectClosedOutwardSolid(const std::function<void()>& draw, const Centre& inside) {
    expectWoundOutwards(polygonsOf(captureGeometry(draw)), inside);
    expectNormalsOutwards(polygonsOf(captureGeometry(draw, CaptureMode::Normals)), inside);
}

int countVertices(const std::vector<CapturedPrimitive>& primitives) {
    int n = 0;
    for (const CapturedPrimitive& p : primitives) n += static_cast<int>(p.vertices.size());
    return n;
}

class Solids : public OffscreenGL {};

}  // namespace

TEST(FindNormal, CounterClockwiseTriangleFacesTheViewer) {
    FINDNORMAL(0, 0, 0, 2, 0, 0, 0, 3, 0);
    EXPECT_DOUBLE_EQ(FNORMAL[0], 0);
    EXPECT_DOUBLE_EQ(FNORMAL[1], 0);
    EXPECT_DOUBLE_EQ(FNORMAL[2], 1);
    FINDNORMAL(1, 1, 1, 1, 5, 1, 1, 1, 9);
    EXPECT_DOUBLE_EQ(FNORMAL[0], 1);
}

TEST(FindNormal, CollinearPointsGiveTheZeroVector) {
    FINDNORMAL(0, 0, 0, 1, 1, 1, 3, 3, 3);
    EXPECT_EQ(FNORMAL[0], 0);
    EXPECT_EQ(FNORMAL[1], 0);
    EXPECT_EQ(FNORMAL[2], 0);
    EXPECT_FALSE(std::isnan(FNORMAL[0]));
}

TEST_F(Solids, CentreBoxIsClosedWithFlatOutwardFaces) {
    expectClosedOutwardSolid([] { CUBO(1, 2, 3, 1, 2, 3); }, fixedCentre({1, 2, 3}));
    const auto faces = polygonsOf(captureGeometry([] { CUBO(1, 2, 3, 1, 2, 3); }, CaptureMode::Normals));
    EXPECT_EQ(countVertices(faces), 6 * 2 * 3);  // six quads
    for (const CapturedPrimitive& p : faces) {
        const TGLVector n = normalOf(p.vertices[0]);
        EXPECT_NEAR(std::abs(n.X) + std::abs(n.Y) + std::abs(n.Z), 1, 1e-5f);  // along an axis
    }
}

TEST_F(Solids, CentreBoxTextureRunsToTheHalfExtents) {
    const auto faces = polygonsOf(captureGeometry([] { CUBO(0, 0, 0, 1, 2, 3); }));
    std::set<std::pair<float, float>> front;
    float maxS = 0, maxT = 0;
    for (const CapturedPrimitive& p : faces) {
        const bool onFront = std::abs(centroid(p).Z - 3) < 1e-4f;
        for (const CapturedVertex& v : p.vertices) {
            maxS = std::max(maxS, v.texCoord[0]);
            maxT = std::max(maxT, v.texCoord[1]);
            if (onFront) front.insert({v.texCoord[0], v.texCoord[1]});
        }
    }
    const std::set<std::pair<float, float>> expected = {{0, 0}, {1, 0}, {1, 2}, {0, 2}};
    EXPECT_EQ(front, expected);
    EXPECT_EQ(maxS, 3);  // the side faces run along z
    EXPECT_EQ(maxT, 3);  // top and bottom too
}

TEST_F(Solids, CornerBoxRepeatsTheTextureSize) {
    expectClosedOutwardSolid([] { CUBO(-1, -2, -3, 2, 1, 0.5f, 4); }, fixedCentre({0.5f, -0.5f, -1.25f}));
    for (const CapturedPrimitive& p : polygonsOf(captureGeometry([] { CUBO(-1, -2, -3, 2, 1, 0.5f, 4); })))
        for (const CapturedVertex& v : p.vertices) {
            EXPECT_TRUE(v.texCoord[0] == 0 || v.texCoord[0] == 4);
            EXPECT_TRUE(v.texCoord[1] == 0 || v.texCoord[1] == 4);
        }
}

TEST_F(Solids, EightCornerBoxIsClosedAndOutward) {
    // A slanted block: the end face a2 b2 d2 c2 is shifted and smaller.
    const auto draw = [] {
        CUBO(GLVECTOR(-1, -1, 1), GLVECTOR(1, -1, 1), GLVECTOR(-1, 1, 1), GLVECTOR(1, 1, 1), GLVECTOR(-0.5, -0.5, -2),
             GLVECTOR(1.5, -0.5, -2), GLVECTOR(-0.5, 1, -2), GLVECTOR(1.5, 1, -2), 2);
    };
    expectWoundOutwards(polygonsOf(captureGeometry(draw)), fixedCentre({0.25f, 0, -0.5f}));
}

TEST_F(Solids, SphereOfTwentySegmentsHasTenBandsOfTwentyQuads) {
    const auto triangles = polygonsOf(captureGeometry([] { SFERA(1, -1, 2, 3, 20); }));
    EXPECT_EQ(triangles.size(), 10u * 20u * 2u);
    std::set<long> latitudes;
    for (const CapturedPrimitive& p : triangles)
        for (const CapturedVertex& v : p.vertices) {
            EXPECT_NEAR(length(v.pos - TGLVector{1, -1, 2}), 3, 1e-3f);
            latitudes.insert(std::lround((v.pos.Y + 1) * 1000));
        }
    EXPECT_EQ(latitudes.size(), 11u);  // pole to pole
    expectClosedOutwardSolid([] { SFERA(1, -1, 2, 3, 20); }, fixedCentre({1, -1, 2}));
}

TEST_F(Solids, SphereUsesAbsoluteRadiusAndCount) {
    const auto positive = captureGeometry([] { SFERA(0, 0, 0, 2, 12); });
    const auto negative = captureGeometry([] { SFERA(0, 0, 0, -2, -12); });
    ASSERT_EQ(positive.size(), negative.size());
    for (std::size_t i = 0; i < positive.size(); ++i)
        for (std::size_t k = 0; k < positive[i].vertices.size(); ++k) {
            EXPECT_EQ(positive[i].vertices[k].pos.X, negative[i].vertices[k].pos.X);
            EXPECT_EQ(positive[i].vertices[k].pos.Y, negative[i].vertices[k].pos.Y);
        }
}

TEST_F(Solids, OddSphereStillReachesBothPoles) {
    const auto triangles = polygonsOf(captureGeometry([] { SFERA(0, 0, 0, 2, 7); }));
    float minY = 0, maxY = 0;
    for (const CapturedPrimitive& p : triangles)
        for (const CapturedVertex& v : p.vertices) {
            minY = std::min(minY, v.pos.Y);
            maxY = std::max(maxY, v.pos.Y);
        }
    EXPECT_NEAR(minY, -2, 1e-4f);
    EXPECT_NEAR(maxY, 2, 1e-4f);
    expectClosedOutwardSolid([] { SFERA(0, 0, 0, 2, 7); }, fixedCentre({0, 0, 0}));
}

TEST_F(Solids, DegenerateSphereIsOnePointAndKeepsTheMatrix) {
    for (const auto& [r, n] : {std::pair{1.0f, 3}, std::pair{0.0f, 20}, std::pair{2.0f, -2}}) {
        GLfloat before[16], after[16];
        GLint depthBefore = 0, depthAfter = 0;
        glGetFloatv(GL_MODELVIEW_MATRIX, before);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
        const auto primitives = captureGeometry([&] {
            glTranslatef(1, 0, 0);
            SFERA(2, 3, 4, r, n);
            glGetFloatv(GL_MODELVIEW_MATRIX, after);
        });
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
        ASSERT_EQ(primitives.size(), 1u);
        EXPECT_EQ(primitives[0].kind, CapturedPrimitive::Point);
        EXPECT_NEAR(primitives[0].vertices[0].pos.X, 3, 1e-4f);
        EXPECT_NEAR(primitives[0].vertices[0].pos.Y, 3, 1e-4f);
        EXPECT_NEAR(primitives[0].vertices[0].pos.Z, 4, 1e-4f);
        EXPECT_EQ(after[12], 1);  // only the caller's translation remains
        EXPECT_EQ(after[13], 0);
        EXPECT_EQ(depthAfter, depthBefore);
        glGetFloatv(GL_MODELVIEW_MATRIX, after);
        EXPECT_TRUE(std::equal(before, before + 16, after));
    }
}

TEST_F(Solids, TorusIsClosedRoundItsCentreLine) {
    const auto triangles = polygonsOf(captureGeometry([] { TOROIDE(0, 0, 0, 1, 3, 8, 12); }));
    EXPECT_EQ(triangles.size(), 8u * 12u * 2u);
    for (const CapturedPrimitive& p : triangles)
        for (const CapturedVertex& v : p.vertices) EXPECT_NEAR(length(v.pos - torusCentreLine(3)(v.pos)), 1, 1e-3f);
    expectClosedOutwardSolid([] { TOROIDE(0, 0, 0, 1, 3, 8, 12); }, torusCentreLine(3));
}

TEST_F(Solids, CylinderSideAndCapsFaceOutwards) {
    // Drawn round the origin, as the bodies draw it.
    const auto draw = [] { CILINDRO(0, 0, -2, 3, 16, 1.5f, 4, 1); };
    const auto triangles = polygonsOf(captureGeometry(draw));
    EXPECT_EQ(triangles.size(), 3u * 16u * 2u + 2u * 16u * 2u);
    std::vector<CapturedPrimitive> side;
    int topCap = 0, bottomCap = 0;
    for (const CapturedPrimitive& p : triangles) {
        const TGLVector c = centroid(p);
        if (c.Z > 1.99f)
            ++topCap;
        else if (c.Z < -1.99f)
            ++bottomCap;
        else
            side.push_back(p);
    }
    EXPECT_EQ(side.size(), 3u * 16u * 2u);
    EXPECT_GT(topCap, 0);
    EXPECT_GT(bottomCap, 0);
    expectWoundOutwards(side, [](const TGLVector& p) { return TGLVector{0, 0, p.Z}; });
    expectNormalsOutwards(polygonsOf(captureGeometry(draw, CaptureMode::Normals)), fixedCentre({0, 0, 0}));
}

TEST_F(Solids, CylinderAndConeLeaveCullingOn) {
    for (const auto& draw : std::vector<std::function<void()>>{[] { CILINDRO(0, 0, 0, 1, 8, 1, 1, 1); },
                                                             [] { CONO(0, 0, 0, 8, 1, 1); },
                                                             [] { CILINDRO(0, 0, 0, 1, 0, 1, 1, 1); }}) {
        glDisable(GL_CULL_FACE);
        draw();
        EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    }
    glDisable(GL_CULL_FACE);
    TUBO(0, 0, 0, 8, 1, 1);
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
}

TEST_F(Solids, ConeRisesToItsApexWithOutwardSides) {
    const auto draw = [] { CONO(0, 0, -1, 12, 2, 3); };
    const auto triangles = polygonsOf(captureGeometry(draw));
    EXPECT_EQ(triangles.size(), 12u * 2u);
    float top = -10;
    for (const CapturedPrimitive& p : triangles)
        for (const CapturedVertex& v : p.vertices) top = std::max(top, v.pos.Z);
    EXPECT_NEAR(top, 2, 1e-4f);
    expectClosedOutwardSolid(draw, fixedCentre({0, 0, 0}));
}

TEST_F(Solids, TubeIsAnOpenOutwardBand) {
    const auto draw = [] { TUBO(0, 0, -1, 10, 2, 2); };
    const auto triangles = polygonsOf(captureGeometry(draw));
    EXPECT_EQ(triangles.size(), 10u * 2u);
    const auto axis = [](const TGLVector& p) { return TGLVector{0, 0, p.Z}; };
    expectWoundOutwards(triangles, axis);
    for (const CapturedPrimitive& p : polygonsOf(captureGeometry(draw, CaptureMode::Normals)))
        for (const CapturedVertex& v : p.vertices) EXPECT_GT(dot(normalOf(v), v.pos - axis(v.pos)), 0);
}

TEST_F(Solids, DegenerateCountsDrawNothing) {
    EXPECT_TRUE(captureGeometry([] {
                    TOROIDE(0, 0, 0, 1, 3, 0, 12);
                    TOROIDE(0, 0, 0, 1, 3, 8, -1);
                    CILINDRO(0, 0, 0, 0, 0, 1, 1, 1);
                    TUBO(0, 0, 0, 0, 1, 1);
                    CONO(0, 0, 0, -4, 1, 1);
                }).empty());
}

TEST_F(Solids, VolumeBoxIsTwelveWhiteEdgesAtNegatedDepth) {
    const auto lines = captureGeometry([] { DRAWGLVOLUMEOBJ(2, -1, -2, 1, 3, 4, 5); });
    ASSERT_EQ(lines.size(), 12u);
    for (const CapturedPrimitive& line : lines) {
        EXPECT_EQ(line.kind, CapturedPrimitive::Line);
        for (const CapturedVertex& v : line.vertices) {
            EXPECT_TRUE(std::abs(v.pos.Z + 1) < 1e-4f || std::abs(v.pos.Z + 5) < 1e-4f) << v.pos.Z;
            EXPECT_EQ(v.color[0], 1);
            EXPECT_EQ(v.color[2], 1);
        }
    }
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 2);
}
