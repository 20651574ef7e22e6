#include "physics/BodyTestSupport.h"

#include "KEVA_Physics/PhyPointBodies.h"
#include "KEVA_Physics/PhyWorld.h"

#include <GL/gl.h>

#include <algorithm>
#include <memory>

void BodyScene::SetUp() {
    OffscreenGL::SetUp();
    PHY_SETGRAVITYFORCE(0, static_cast<float>(PHY_EARTH_GRAVITY), 0);
    world = PHY_INITWORLD(60);
    PHY_SETWORLDSIZE(world, -500, -500, -500, 500, 500, 500);
    floor.SETBOX(world, GLVECTOR(0, -0.5, 0), GLVECTOR(0, 0, 0), GLVECTOR(40, 0.5, 40), 0);
}

void BodyScene::TearDown() {
    NewtonDestroy(world);
    PHY_SETGRAVITYFORCE(0, 0, 0);
}

namespace {

template <typename Kind>
BodyKind bodyKind(const std::string& name, std::shared_ptr<Kind> kind, const NewtonBody* body) {
    return {name, body, [kind] { kind->DRAW(); }, [kind] { kind->DELETE(); }};
}

}  // namespace

std::vector<BodyKind> everyKind(NewtonWorld* world, const TGLVector& rot, float height) {
    // Two rows of four, 4.5 units apart.
    int placed = 0;
    auto next = [height, &placed] {
        const int k = placed++;
        return GLVECTOR(-6.75 + 4.5 * (k % 4), height, k < 4 ? 3 : -3);
    };
    auto box = std::make_shared<PHY_Box>();
    box->SETBOX(world, next(), rot, GLVECTOR(1, 0.5, 0.75), 5);
    auto cone = std::make_shared<PHY_Cone>();
    cone->SETCONE(world, next(), rot, 0.8f, 2, 24, 5);
    auto cylinder = std::make_shared<PHY_Cylinder>();
    cylinder->SETCYLINDER(world, next(), rot, 0.5f, 3, 24, 5);
    auto capsule = std::make_shared<PHY_Capsule>();
    capsule->SETCAPSULE(world, next(), rot, 0.5f, 3, 24, 5);
    auto sphere = std::make_shared<PHY_Sphere>();
    sphere->SETSPHERE(world, next(), rot, GLVECTOR(1, 0.6, 0.8), 24, 5);
    auto faceBox = std::make_shared<PHY_CustomFaceBox>();
    faceBox->SETCUSTOMFACECUBE(world, next(), rot, GLVECTOR(-0.75, -0.25, -1), GLVECTOR(0.75, 0.5, 0.5), 5);
    auto prism = std::make_shared<PHY_CustomFaceCylinder>();
    prism->SETCUSTOMFACECYLINDER(world, next(), rot, 0.7f, 1.5f, 24, 5);
    auto torus = std::make_shared<PHY_CUSTOMFACETORUS>();
    torus->SETCUSTOMFACETORUS(world, next(), rot, 0.3f, 1.5f, 24, 5);
    return {bodyKind("box", box, box->NEWBODY),
            bodyKind("cone", cone, cone->NEWBODY),
            bodyKind("cylinder", cylinder, cylinder->NEWBODY),
            bodyKind("capsule", capsule, capsule->NEWBODY),
            bodyKind("sphere", sphere, sphere->NEWBODY),
            bodyKind("custom-face box", faceBox, faceBox->CONVEXHULL.NEWBODY),
            bodyKind("custom-face cylinder", prism, prism->CONVEXHULL.NEWBODY),
            bodyKind("torus", torus, torus->COMPOUND.NEWBODY)};
}

float lowestPoint(const NewtonBody* body) {
    const TGLBaseMatrix m = matrixOf(body);
    const Vec down{-m[1], -m[5], -m[9]};  // world -y in the body's frame
    Vec v;
    NewtonCollisionSupportVertex(NewtonBodyGetCollision(body), &down.x, &v.x);
    return m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13];
}

Bounds shapeBounds(const NewtonBody* body) {
    const TGLBaseMatrix m = matrixOf(body);
    Bounds b;
    NewtonCollisionCalculateAABB(NewtonBodyGetCollision(body), m.data(), &b.min.x, &b.max.x);
    return b;
}

namespace {

// The vertices of one feedback pass. With `mirrored` the x axis is turned
// over, which reverses every face's winding on screen, so the faces culled in
// one pass are seen in the other.
void captureInto(std::vector<Vec>& out, const std::function<void()>& draw, float extent, bool mirrored) {
    std::vector<GLfloat> buffer(1 << 22);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-extent, extent, -extent, extent, -extent, extent);
    if (mirrored) glScalef(-1, 1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    ASSERT_GE(used, 0) << "feedback buffer overflow";
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    auto vertexAt = [&](GLint at) {
        const float x = (buffer[at] - viewport[0]) / viewport[2] * 2 - 1;
        const float y = (buffer[at + 1] - viewport[1]) / viewport[3] * 2 - 1;
        const float depth = buffer[at + 2] * 2 - 1;
        out.push_back({(mirrored ? -x : x) * extent, y * extent, -depth * extent});
    };
    for (GLint at = 0; at < used;) {
        const auto token = static_cast<GLint>(buffer[at++]);
        GLint count = 0;
        if (token == GL_POLYGON_TOKEN) count = static_cast<GLint>(buffer[at++]);
        if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) count = 2;
        if (token == GL_POINT_TOKEN) count = 1;
        if (token == GL_PASS_THROUGH_TOKEN) ++at;
        for (GLint v = 0; v < count; ++v, at += 3) vertexAt(at);
    }
}

}  // namespace

std::vector<Vec> drawnVertices(const std::function<void()>& draw, float extent) {
    std::vector<Vec> vertices;
    captureInto(vertices, draw, extent, false);
    captureInto(vertices, draw, extent, true);
    return vertices;
}

Bounds boundsOf(const std::vector<Vec>& points) {
    Bounds b{points.at(0), points.at(0)};
    for (const Vec& p : points) {
        b.min = {std::min(b.min.x, p.x), std::min(b.min.y, p.y), std::min(b.min.z, p.z)};
        b.max = {std::max(b.max.x, p.x), std::max(b.max.y, p.y), std::max(b.max.z, p.z)};
    }
    return b;
}
