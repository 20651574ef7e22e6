// How hair is drawn: a piece is a closed prism facing outwards, and the hair
// scene three seconds after the hairs are let go, seen through the program's
// camera, goes into hair.png in the build directory for looking at.
#include "physics/HairScene.h"
#include "physics/PhysicsTestSupport.h"
#include "support/OffscreenGL.h"

#include "kestrova/Lights.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/Projection.h"
#include "kestrova/RenderState.h"

#include <GL/gl.h>

#include <filesystem>
#include <vector>

namespace {

// The scenes' material recipe for an 8-bit colour.
void material(float r, float g, float b) {
    SETGLNEWMAT(r / 300, g / 300, b / 300, 0.25f, 0.25f, 0.25f, r / 300, g / 300, b / 300, 0.1f, 0.1f, 0.1f, 50);
}

// How many pixels of the frame are not the black background.
int drawnPixels(const std::vector<std::uint8_t>& rgba) {
    int drawn = 0;
    for (std::size_t i = 0; i < rgba.size(); i += 4) drawn += (rgba[i] | rgba[i + 1] | rgba[i + 2]) != 0;
    return drawn;
}

class HairPicture : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        PHY_SETGRAVITYFORCE(0, static_cast<float>(PHY_EARTH_GRAVITY), 0);
        OPENGL_INIT(1000, 0, 0, 0, 0);
        SETGLREFRACTIVE();
        SETGLLIGHT(GL_LIGHT0, 0.1f, 0, 0, 0);
    }
    void TearDown() override { PHY_SETGRAVITYFORCE(0, 0, 0); }

    // The program's camera path, brought 45 units nearer with the mouse (the
    // hairs are a tenth of a unit thick), and light 0 above.
    static void camera() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0, 0, -35);
        glTranslatef(0, -10, 0);
        glRotatef(15, 1, 0, 0);
        glRotatef(45, 0, 1, 0);
        PUTGLPOINTLIGHT(GL_LIGHT0, 0.1f, 0, 12, 0, 0);
    }

    std::vector<std::uint8_t> frame() {
        std::vector<std::uint8_t> rgba(800 * 600 * 4);
        glReadPixels(0, 0, 800, 600, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    }
};

TEST_F(HairPicture, TheHairsHangFromTheHead) {
    camera();
    const int empty = drawnPixels(frame());
    PHY_Hair never;
    never.DRAW();
    EXPECT_EQ(drawnPixels(frame()), empty) << "a hair that was never set up draws nothing";

    HairScene scene;
    scene.run(180);
    camera();
    material(192, 192, 192);
    scene.floor.DRAW();
    material(238, 210, 215);
    scene.head.DRAW();
    material(248, 240, 105);
    for (const PHY_Hair& hair : scene.hairs) hair.DRAW();
    const int withHair = drawnPixels(frame());
    savePng((std::filesystem::path(KESTROVA_TEST_DATA).parent_path() / "hair.png").c_str());

    camera();
    scene.floor.DRAW();
    scene.head.DRAW();
    EXPECT_GT(withHair - drawnPixels(frame()), 500) << "the hairs cover part of the frame";
}

TEST_F(HairPicture, APieceIsAClosedPrismFacingOutwards) {
    NewtonWorld* world = NewtonCreate(nullptr, nullptr);
    PHY_HairPice piece;
    piece.SETHAIRPICE(world, GLVECTOR(0, 0, -10), GLVECTOR(0, 0, 30), 1, 4, 8, 1);
    material(255, 255, 255);
    struct Centre {
        float depth;
        int red;
    };
    // The pixel at the centre of the frame, where the piece lies across the view.
    const auto centre = [&](bool culling, float lightZ) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        SETGLLIGHT(GL_LIGHT0, 0, 0, lightZ, 0);
        culling ? glEnable(GL_CULL_FACE) : glDisable(GL_CULL_FACE);
        piece.DRAW();
        Centre seen{};
        glReadPixels(400, 300, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &seen.depth);
        seen.red = pixelAt(400, 300)[0];
        return seen;
    };
    const Centre nearest = centre(false, 1);
    const Centre culled = centre(true, 1);
    const Centre litFromBehind = centre(true, -1);
    EXPECT_LT(nearest.depth, 1);
    EXPECT_FLOAT_EQ(culled.depth, nearest.depth) << "culling keeps the faces towards the viewer";
    EXPECT_GT(culled.red, litFromBehind.red + 20) << "normals point out of the piece";
    NewtonDestroy(world);
}

}  // namespace
