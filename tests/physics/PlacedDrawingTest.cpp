// The bodies' DRAW places each body's recorded solid on the CPU, one by one
// or gathered into a batch. The picture must be the one the solids give when
// drawn inside the body's matrix, as bodies were drawn before: a scene of
// every kind, a compound of blocks and a ragdoll bone, turned every way, with
// a texture, is drawn each way and the pictures compared.
#include "physics/BodyTestSupport.h"

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyBodySetup.h"
#include "KEVA_Physics/PhyBodySolids.h"
#include "KEVA_Physics/PhyCompound.h"
#include "KEVA_Physics/PhyCompoundBlocks.h"
#include "KEVA_Physics/PhyCompoundLook.h"
#include "KEVA_Physics/PhyRagDoll.h"
#include "KEVA_Physics/PhyPointBodies.h"
#include "kestrova/Lights.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/Projection.h"
#include "kestrova/RenderState.h"
#include "kestrova/SolidBatch.h"
#include "kestrova/SolidMesh.h"
#include "kestrova/Solids.h"
#include "kestrova/platform/OffscreenBackend.h"

#include <GL/gl.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

// A body drawn by its DRAW, and by the solids inside its matrix.
struct Exhibit {
    std::function<void()> placed;
    const NewtonBody* body;
    std::function<void()> inBody;
};

struct Scene {
    std::vector<PHY_Box> boxes{4};
    std::vector<PHY_Cone> cones{2};
    std::vector<PHY_Cylinder> cylinders{2};
    std::vector<PHY_Capsule> capsules{2};
    std::vector<PHY_Sphere> spheres{2};
    std::vector<PHY_CustomFaceBox> faceBoxes{1};
    std::vector<PHY_CustomFaceCylinder> prisms{1};
    std::vector<PHY_CUSTOMFACETORUS> tori{1};
    std::array<PHY_COMPOUNDBLOCKS, 4> blocks;
    PHY_COMPOUND compound;
    SolidMesh compoundLook;
    std::unique_ptr<PHY_RagDollBone> bone;
    std::vector<Exhibit> exhibits;

    // Static bodies in rows, each turned its own way.
    explicit Scene(NewtonWorld* world) {
        int placed = 0;
        const auto next = [&placed](TGLVector& pos, TGLVector& rot) {
            const int k = placed++;
            pos = GLVECTOR(-7.5 + 3 * (k % 6), 5.5 - 3.6 * (k / 6), 0);
            rot = GLVECTOR(37 * k, 23 + 51 * k, 11 * k);
        };
        TGLVector pos, rot;
        const std::array<TGLVector, 4> sizes{GLVECTOR(1, 0.5, 0.75), GLVECTOR(0.2, 1, 0.6), GLVECTOR(0.5, 0.5, 0.5),
                                             GLVECTOR(1.1, 0.3, 0.3)};
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            next(pos, rot);
            PHY_Box& b = boxes[i];
            b.SETBOX(world, pos, rot, sizes[i], 0);
            add([&b] { b.DRAW(); }, b.NEWBODY,
                [&b] { CUBO(-b.SIZE.X, -b.SIZE.Y, -b.SIZE.Z, b.SIZE.X, b.SIZE.Y, b.SIZE.Z, 1); });
        }
        for (std::size_t i = 0; i < cones.size(); ++i) {
            next(pos, rot);
            PHY_Cone& c = cones[i];
            c.SETCONE(world, pos, rot, 0.8f, 2, i == 0 ? 24 : 7, 0);
            add([&c] { c.DRAW(); }, c.NEWBODY, [&c] {
                glRotatef(90, 0, 1, 0);
                CONO(0, 0, -c.H / 2, c.QUALITY, c.RADIUS, c.H);
                glRotatef(180, 1, 0, 0);
                CONO(0, 0, c.H / 2, c.QUALITY, c.RADIUS, 0);
            });
        }
        for (std::size_t i = 0; i < cylinders.size(); ++i) {
            next(pos, rot);
            PHY_Cylinder& c = cylinders[i];
            c.SETCYLINDER(world, pos, rot, 0.6f, 2.2f, i == 0 ? 18 : 5, 0);
            add([&c] { c.DRAW(); }, c.NEWBODY, [&c] {
                glRotatef(90, 0, 1, 0);
                CILINDRO(0, 0, -c.H / 2, 1, c.QUALITY, c.RADIUS, c.H, 1);
            });
        }
        for (std::size_t i = 0; i < capsules.size(); ++i) {
            next(pos, rot);
            PHY_Capsule& c = capsules[i];
            c.SETCAPSULE(world, pos, rot, 0.5f, i == 0 ? 2.4f : 0.8f, 16, 0);
            add([&c] { c.DRAW(); }, c.NEWBODY, [&c] {
                // the short one is drawn 1 long
                const float half = (std::max(c.H, 1.0f) - 2 * c.RADIUS) / 2;
                glRotatef(90, 0, 1, 0);
                phy::capsuleAlongZ(immediateSink(), c.RADIUS, half, c.QUALITY);
            });
        }
        for (std::size_t i = 0; i < spheres.size(); ++i) {
            next(pos, rot);
            PHY_Sphere& s = spheres[i];
            s.SETSPHERE(world, pos, rot, i == 0 ? GLVECTOR(1, 0.6, 0.8) : GLVECTOR(0.9, 0.9, 0.9), 20, 0);
            add([&s] { s.DRAW(); }, s.NEWBODY, [&s] {
                glScalef(s.RADIUS.X, s.RADIUS.Y, s.RADIUS.Z);
                SFERA(0, 0, 0, 1, s.QUALITY);
            });
        }
        next(pos, rot);
        PHY_CustomFaceBox& f = faceBoxes[0];
        f.SETCUSTOMFACECUBE(world, pos, rot, GLVECTOR(-0.75, -0.25, -1), GLVECTOR(0.75, 0.5, 0.5), 0);
        add([&f] { f.DRAW(); }, f.CONVEXHULL.NEWBODY,
            [&f] { CUBO(f.MIN.X, f.MIN.Y, f.MIN.Z, f.MAX.X, f.MAX.Y, f.MAX.Z, 1); });
        next(pos, rot);
        PHY_CustomFaceCylinder& p = prisms[0];
        p.SETCUSTOMFACECYLINDER(world, pos, rot, 0.7f, 1.5f, 9, 0);
        add([&p] { p.DRAW(); }, p.CONVEXHULL.NEWBODY,
            [&p] { CILINDRO(0, 0, -p.H / 2, 1, p.QUALITY, p.RADIUS, p.H, 1); });
        next(pos, rot);
        PHY_CUSTOMFACETORUS& t = tori[0];
        t.SETCUSTOMFACETORUS(world, pos, rot, 0.3f, 1, 16, 0);
        add([&t] { t.DRAW(); }, t.COMPOUND.NEWBODY, [&t] { TOROIDE(0, 0, 0, t.TUBER, t.RADIUS, t.QUALITY, t.QUALITY); });
        // A small rocket of blocks, recorded into one mesh as the scene objects record their parts.
        next(pos, rot);
        const TGLVector none = GLVECTOR(0, 0, 0);
        const std::array<NewtonCollision*, 4> parts{
            blocks[0].CYLINDER(world, none, GLVECTOR(0, -0.4, 0), none, 0.4f, 1.2f, 14),
            blocks[1].TRUNCCONE(world, none, GLVECTOR(0, 0.45, 0), none, 0.25f, 0.4f, 0.5f, 14),
            blocks[2].CONE(world, none, GLVECTOR(0, 1, 0), GLVECTOR(0, 30, 0), 0.25f, 0.6f, 14),
            blocks[3].BOX2(world, GLVECTOR(0.45, -0.9, 0), none, GLVECTOR(0, 0, -10), GLVECTOR(0, 0, 0.2),
                           GLVECTOR(1.1, 0, 0.2), GLVECTOR(0, 1.3, 0.2), GLVECTOR(1.1, 0.9, 0.2),
                           GLVECTOR(0, 0, -0.2), GLVECTOR(1.1, 0, -0.2), GLVECTOR(0, 1.3, -0.2),
                           GLVECTOR(1.1, 0.9, -0.2))};
        compound.SETCOMPOUND(world, parts, pos, rot, 4, 0);
        const std::array<PHY_COMPOUNDBLOCKSTYPE, 4> types{PHYCOMPCYLINDER, PHYCOMPTRUNCCONE, PHYCOMPCONE, PHYCOMPBOX2};
        phy::CompoundLookRecorder recorder;  // the cylinder and the truncated cone touch with one radius
        for (std::size_t i = 0; i < blocks.size(); ++i) recorder.add(blocks[i], types[i]);
        compoundLook = recorder.mesh();
        add([this] { phy::drawInPlace(compoundLook, compound.NEWBODY); }, compound.NEWBODY, [this, types] {
            for (std::size_t i = 0; i < blocks.size(); ++i) blocks[i].DRAW(types[i]);
        });
        // A puppet's capsule bone.
        next(pos, rot);
        bone = PHY_RAGDOLLADDBONE(PHYCAPSULE, "Bone", pos, rot, GLVECTOR(1.5, 0.8, 0.8), GLVECTOR(1, 1, 1), 1);
        PHY_CREATERAGDOLL(world, *bone, GLVECTOR(0, 0, 0), 60, 60, 180);
        add([this] { bone->RENDER(); }, bone->BODY, [] {
            const float radius = 0.4f, half = 1.33f * 1.5f / 2 - radius;
            glRotatef(90, 0, 1, 0);
            phy::capsuleAlongZ(immediateSink(), radius, half, 16);
        });
    }

    void add(std::function<void()> placed, const NewtonBody* body, std::function<void()> inBody) {
        exhibits.push_back({std::move(placed), body, std::move(inBody)});
    }
};

// A checker texture, so that texture coordinates show in the picture.
void bindChecker() {
    std::array<unsigned char, 8 * 8 * 3> texels{};
    for (int i = 0; i < 64; ++i)
        for (int c = 0; c < 3; ++c) texels[3 * i + c] = ((i / 8 + i % 8) % 2) ? 255 : 90;
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 8, 8, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    glEnable(GL_TEXTURE_2D);
}

enum class DrawingWay { IN_BODY, PLACED, BATCHED };

// How the exhibits are set out: each in a material of its own or all in one,
// every third one moved by the model-view matrix or not.
struct ExhibitSetting {
    bool materialEach = true;
    bool someMoved = false;
};

// The exhibits seen from the front, after `view` has changed the GL state.
std::vector<std::uint8_t> picture(const Scene& scene, DrawingWay way, const std::function<void()>& view = [] {},
                                  ExhibitSetting setting = {}) {
    OPENGL_INIT(1000, 1, 0.12, 0.12, 0.18);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SETGLREFRACTIVE();
    glLoadIdentity();
    SETGLLIGHT(GL_LIGHT0, 0.3f, 1, 0.8f, 0);
    glTranslatef(0, 0, -17);
    glRotatef(20, 1, 0, 0);
    view();
    std::optional<SolidBatch> batch;
    if (way == DrawingWay::BATCHED) batch.emplace();
    for (std::size_t k = 0; k < scene.exhibits.size(); ++k) {
        const float r = 0.3f + 0.1f * static_cast<float>(k % 7), g = 0.9f - 0.05f * static_cast<float>(k);
        if (setting.materialEach || k == 0) SETGLNEWMAT(r / 2, g / 2, 0.4f, r, g, 0.6f, 0.5f, 0.5f, 0.5f, 0, 0, 0, 40);
        const bool moved = setting.someMoved && k % 3 == 0;
        if (moved) {
            glPushMatrix();
            glTranslatef(0.4f, -0.3f, 0.5f);
        }
        const Exhibit& e = scene.exhibits[k];
        if (way == DrawingWay::IN_BODY) {
            PHY_GETBODYPOROPBEGIN(e.body);
            e.inBody();
            PHY_GETBODYPOROPEND();
        } else {
            e.placed();
        }
        if (moved) glPopMatrix();
    }
    batch.reset();
    int width = 0, height = 0;
    std::vector<std::uint8_t> pixels = platform::readFrontPixels(width, height);
    glCullFace(GL_BACK);
    return pixels;
}

// Pixels that differ by more than 8 levels in some colour.
int differingPixels(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    int differing = 0;
    for (std::size_t i = 0; i + 3 < a.size() && i + 3 < b.size(); i += 4) {
        int most = 0;
        for (std::size_t c = 0; c < 3; ++c) most = std::max(most, std::abs(a[i + c] - b[i + c]));
        differing += most > 8;
    }
    return differing;
}

}  // namespace

class PlacedDrawing : public BodyScene {};

// Both pictures are rendered by the same rasteriser from the same triangles;
// only the vertices differ in their last bits (placed on the CPU in single
// precision instead of by the GL's matrix). That can move a triangle's edge
// across a pixel centre, so a few pixels on outlines may change, and shading
// may change by a level or two of 255. Anything more (a missing face, a wrong
// normal or texture coordinate, a quad split along its other diagonal)
// changes hundreds of pixels by more than 8 levels.
TEST_F(PlacedDrawing, LooksAsTheSolidsDrawnInsideTheBodysMatrix) {
    const Scene scene(world);
    bindChecker();
    const std::vector<std::uint8_t> reference = picture(scene, DrawingWay::IN_BODY);
    const std::vector<std::uint8_t> placed = picture(scene, DrawingWay::PLACED);
    const std::filesystem::path buildDir = std::filesystem::path(KESTROVA_TEST_DATA).parent_path();
    savePng((buildDir / "placed-drawing.png").c_str());
    ASSERT_EQ(reference.size(), placed.size());

    int drawn = 0;
    for (std::size_t i = 0; i < reference.size(); i += 4)
        drawn += reference[i] + reference[i + 1] + reference[i + 2] > 3 * 60;
    EXPECT_GT(drawn, 20000) << "the exhibits fill a good part of the picture";
    EXPECT_LT(differingPixels(reference, placed), 50) << "of " << drawn << " drawn pixels";
}

// Bodies leave out the triangles that face away from the eye only where
// OpenGL would cull them. With the front faces culled, or in a mirrored view,
// the solids show their insides, and so must the placed ones. The insides
// show more edges on which placing may move a pixel (up to 70 with the fronts
// culled); a face left out changes tens of thousands.
TEST_F(PlacedDrawing, ShowTheInsidesWhereOpenGLCullsTheOutsides) {
    const Scene scene(world);
    bindChecker();
    const auto frontsCulled = [] { glCullFace(GL_FRONT); };
    const auto mirrored = [] { glScalef(-1, 1, 1); };
    EXPECT_LT(differingPixels(picture(scene, DrawingWay::IN_BODY, frontsCulled), picture(scene, DrawingWay::PLACED, frontsCulled)),
              150);
    EXPECT_LT(differingPixels(picture(scene, DrawingWay::IN_BODY, mirrored), picture(scene, DrawingWay::PLACED, mirrored)), 150);
}

// A batch draws its bodies later, all at once. Each exhibit set in a material
// of its own must still show in it (the batch is sent before the material
// changes); with one material the whole scene is one draw, and bodies moved
// by the model-view matrix in between must stand where they were drawn. The
// batch places vertices as the bodies' DRAW does, so the tolerances are those
// above; a body in the wrong material or place changes thousands of pixels.
TEST_F(PlacedDrawing, ABatchLooksAsTheBodiesDrawnOneByOne) {
    const Scene scene(world);
    bindChecker();
    const auto asUsual = [] {};
    const auto frontsCulled = [] { glCullFace(GL_FRONT); };
    for (const ExhibitSetting setting : {ExhibitSetting{true, false}, ExhibitSetting{false, true}})
        EXPECT_LT(differingPixels(picture(scene, DrawingWay::IN_BODY, asUsual, setting),
                                  picture(scene, DrawingWay::BATCHED, asUsual, setting)),
                  50)
            << "one material: " << !setting.materialEach;
    EXPECT_LT(differingPixels(picture(scene, DrawingWay::IN_BODY, frontsCulled), picture(scene, DrawingWay::BATCHED, frontsCulled)),
              150);
}

// A batch sends its bodies nearest first where the depth test hides the
// order; without it the bodies drawn later must still cover those before.
// Seen along the rows, the exhibits overlap one another.
TEST_F(PlacedDrawing, ABatchKeepsTheBodiesOrderWhereItShows) {
    const Scene scene(world);
    const auto alongTheRowsDepthUntested = [] {
        glRotatef(-90, 0, 1, 0);  // each row's first body the farthest
        glDisable(GL_DEPTH_TEST);
    };
    const ExhibitSetting oneMaterial{false, false};
    EXPECT_LT(differingPixels(picture(scene, DrawingWay::PLACED, alongTheRowsDepthUntested, oneMaterial),
                              picture(scene, DrawingWay::BATCHED, alongTheRowsDepthUntested, oneMaterial)),
              50);
}

TEST_F(PlacedDrawing, HiddenBodiesDrawNothing) {
    Scene scene(world);
    for (PHY_Box& b : scene.boxes) b.DELETE();
    for (PHY_Sphere& s : scene.spheres) s.DELETE();
    for (std::size_t k : {0u, 1u, 2u, 3u, 10u, 11u}) {
        const std::vector<std::uint8_t> vertices = [&] {
            glClear(GL_COLOR_BUFFER_BIT);
            glLoadIdentity();
            glTranslatef(0, 0, -17);
            scene.exhibits[k].placed();
            int width = 0, height = 0;
            return platform::readFrontPixels(width, height);
        }();
        int lit = 0;
        for (std::uint8_t v : vertices) lit += v != 0;
        EXPECT_EQ(lit, 0) << "exhibit " << k;
    }
}
