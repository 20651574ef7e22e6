// Draws every solid lit from the front into solids.png in the build directory,
// for looking at; the assertions only check that every cell got drawn.
#include "support/OffscreenGL.h"

#include "kestrova/Lights.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/Projection.h"
#include "kestrova/RenderState.h"
#include "kestrova/Solids.h"

#include <GL/gl.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Exhibit {
    float r, g, b;
    std::function<void()> draw;
};

}  // namespace

class SolidsPicture : public OffscreenGL {};

TEST_F(SolidsPicture, EverySolidLitFromTheFront) {
    OPENGL_INIT(1000, 1, 0.12, 0.12, 0.18);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SETGLREFRACTIVE();
    SETGLLIGHT(GL_LIGHT0, 0, 0, 1, 0);

    const std::vector<Exhibit> exhibits = {
        {0.9f, 0.3f, 0.3f, [] { CUBO(0, 0, 0, 1.2f, 0.8f, 1); }},
        {0.3f, 0.9f, 0.3f, [] { CUBO(-1, -1, -1, 1, 1.2f, 0.6f, 1); }},
        {0.3f, 0.5f, 0.9f,
         [] {
             CUBO(GLVECTOR(-1, -1, 1), GLVECTOR(1, -1, 1), GLVECTOR(-1, 1, 1), GLVECTOR(1, 1, 1),
                  GLVECTOR(-0.5, -0.5, -1), GLVECTOR(1.3, -0.5, -1), GLVECTOR(-0.5, 1, -1), GLVECTOR(1.3, 1, -1), 1);
         }},
        {0.9f, 0.9f, 0.3f, [] { SFERA(0, 0, 0, 1.4f, 20); }},
        {0.9f, 0.5f, 0.2f, [] { SFERA(0, 0, 0, 1.4f, 9); }},
        {0.6f, 0.3f, 0.9f, [] { TOROIDE(0, 0, 0, 0.45f, 1.1f, 16, 24); }},
        // Solids of revolution stand upright: their z axis turned to y.
        {0.3f, 0.9f, 0.9f,
         [] {
             glRotatef(-90, 1, 0, 0);
             CILINDRO(0, 0, -1.2f, 2, 20, 1, 2.4f, 1);
         }},
        {0.8f, 0.8f, 0.8f,
         [] {
             glRotatef(-90, 1, 0, 0);
             TUBO(0, 0, -1.2f, 20, 1, 2.4f);
         }},
        {0.9f, 0.4f, 0.7f,
         [] {
             glRotatef(-90, 1, 0, 0);
             CONO(0, 0, -1.2f, 20, 1.1f, 2.4f);
             glRotatef(180, 1, 0, 0);
             CONO(0, 0, 1.2f, 20, 1.1f, 0);
         }},
        {0.5f, 0.9f, 0.5f, [] { SFERA(0, 0, 0, 1.3f, 40); }},
        {1, 1, 0.6f,
         [] {
             glDisable(GL_LIGHTING);
             DRAWGLVOLUMEOBJ(1, -1, -1, -1, 1, 1, 1);
             glEnable(GL_LIGHTING);
         }},
        {0.9f, 0.9f, 0.9f,
         [] {
             SETGLLINE(1);
             SFERA(0, 0, 0, 1.3f, 18);
             SETGLFILL();
         }},
    };
    for (std::size_t i = 0; i < exhibits.size(); ++i) {
        const Exhibit& e = exhibits[i];
        glLoadIdentity();
        glTranslatef(-6.75f + 4.5f * static_cast<float>(i % 4), 4.2f - 4.2f * static_cast<float>(i / 4), -17);
        glRotatef(25, 1, 0, 0);
        glRotatef(-35, 0, 1, 0);
        glColor3f(e.r, e.g, e.b);
        SETGLNEWMAT(0.25f * e.r, 0.25f * e.g, 0.25f * e.b, e.r, e.g, e.b, 0.4f, 0.4f, 0.4f, 0, 0, 0, 30);
        e.draw();
    }
    const std::filesystem::path buildDir = std::filesystem::path(KESTROVA_TEST_DATA).parent_path();
    savePng((buildDir / "solids.png").c_str());

    // Each exhibit stands in its own 200 x 200 cell of the 4 x 3 grid.
    const std::vector<int> drawn = brightPixelsPerCell(4, 3, 80);
    for (int i = 0; i < 12; ++i) EXPECT_GT(drawn[static_cast<std::size_t>(i)], 400) << "cell " << i;
}
