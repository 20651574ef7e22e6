// Draws every body kind and a block compound resting on the floor after a
// short fall, lit with the scenes' material recipe and outlined with the
// engine's collision shapes, into bodies.png in the build directory.
#include "physics/BodyTestSupport.h"

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyCompound.h"
#include "KEVA_Physics/PhyCompoundBlocks.h"
#include "KEVA_Physics/PhyDebug.h"
#include "kestrova/Lights.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/Projection.h"
#include "kestrova/RenderState.h"

#include <GL/gl.h>

#include <array>
#include <filesystem>

namespace {

// The scenes' recipe: ambient and specular the colour, dim diffuse, a little glow.
void sceneMaterial(int r, int g, int b) {
    const float cr = r / 300.0f, cg = g / 300.0f, cb = b / 300.0f;
    SETGLNEWMAT(cr, cg, cb, 0.25f, 0.25f, 0.25f, cr, cg, cb, 0.1f, 0.1f, 0.1f, 50);
}

// A small rocket: a cylinder body, a truncated-cone collar, a cone nose and a fin.
struct Rocket {
    std::array<PHY_COMPOUNDBLOCKS, 4> blocks;
    PHY_COMPOUND body;

    void build(NewtonWorld* world, const TGLVector& pos) {
        const TGLVector none = GLVECTOR(0, 0, 0);
        const std::array<NewtonCollision*, 4> parts{
            blocks[0].CYLINDER(world, none, GLVECTOR(0, 1, 0), none, 0.5f, 2, 16),
            blocks[1].TRUNCCONE(world, none, GLVECTOR(0, 2.3, 0), none, 0.3f, 0.5f, 0.6f, 16),
            blocks[2].CONE(world, none, GLVECTOR(0, 3.1, 0), none, 0.3f, 1, 16),
            blocks[3].BOX2(world, GLVECTOR(0.5, 0, 0), GLVECTOR(0, 0.4, 0), GLVECTOR(0, 0, -10), GLVECTOR(0, 0, 0.05),
                           GLVECTOR(0.6, 0, 0.05), GLVECTOR(0, 0.8, 0.05), GLVECTOR(0.6, 0.5, 0.05),
                           GLVECTOR(0, 0, -0.05), GLVECTOR(0.6, 0, -0.05), GLVECTOR(0, 0.8, -0.05),
                           GLVECTOR(0.6, 0.5, -0.05))};
        body.SETCOMPOUND(world, parts, pos, GLVECTOR(0, 0, 80), 4, 10);
    }
    void draw() const {
        PHY_GETBODYPOROPBEGIN(body.NEWBODY);
        blocks[0].DRAW(PHYCOMPCYLINDER);
        blocks[1].DRAW(PHYCOMPTRUNCCONE);
        blocks[2].DRAW(PHYCOMPCONE);
        blocks[3].DRAW(PHYCOMPBOX2);
        PHY_GETBODYPOROPEND();
    }
};

}  // namespace

class BodiesPicture : public BodyScene {};

TEST_F(BodiesPicture, EveryKindRestsOnTheFloorInsideItsOutline) {
    const std::vector<BodyKind> kinds = everyKind(world, GLVECTOR(0, 30, 0), 2);
    Rocket rocket;
    rocket.build(world, GLVECTOR(0, 2, -8));
    simulate(world, 3);

    WIDTH = 800;
    HEIGHT = 600;
    OPENGL_INIT(1000, 1, 0.12, 0.12, 0.18);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SETGLREFRACTIVE();
    glLoadIdentity();
    glTranslatef(0, -1, -19);
    glRotatef(35, 1, 0, 0);
    SETGLLIGHT(GL_LIGHT0, 0.3f, 1, 0.8f, 0);

    sceneMaterial(192, 192, 192);
    floor.DRAW();
    const std::array<std::array<int, 3>, 8> colours{{{250, 120, 90},
                                                     {240, 220, 90},
                                                     {120, 230, 120},
                                                     {90, 200, 240},
                                                     {150, 140, 250},
                                                     {250, 140, 220},
                                                     {250, 180, 90},
                                                     {188, 250, 192}}};
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        sceneMaterial(colours[k][0], colours[k][1], colours[k][2]);
        kinds[k].draw();
    }
    sceneMaterial(255, 255, 255);
    rocket.draw();
    PHY_DEBUGCOLLISION(world);

    const std::filesystem::path buildDir = std::filesystem::path(KESTROVA_TEST_DATA).parent_path();
    savePng((buildDir / "bodies.png").c_str());
    int lit = 0;
    for (int y = 0; y < 600; y += 10)
        for (int x = 0; x < 800; x += 10) lit += pixelAt(x, y)[0] > 60;
    EXPECT_GT(lit, 800) << "the floor and the bodies fill much of the picture";
}
