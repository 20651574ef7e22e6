#include "showcase/Overlay.h"

#include "kestrova/OutlineText.h"
#include "kestrova/Projection.h"
#include "kestrova/RenderState.h"
#include "kestrova/Solids.h"
#include "kestrova/TextImage.h"
#include "kestrova/Texture.h"
#include "showcase/GravityLevels.h"
#include "showcase/ScenePause.h"
#include "showcase/Screenshot.h"
#include "showcase/Shell.h"
#include "showcase/Tour.h"

#include <GL/gl.h>

#include <array>

namespace {

struct OverlayLine {
    float x = 0, y = 0, size = 0;
    const char* text = "";  // empty: the line is not shown
};
using OverlayLines = std::array<OverlayLine, 3>;

// While a scene runs: "GRAVITA", the name of a whole gravity level beside it,
// and "PAUSA" below while the world is paused. On the start screen: the prompt.
OverlayLines overlayLines() {
    if (SELECTDEMO == 0) return {{{-150, 0, 0.8f, "Selezionare un demo"}, {}, {}}};
    const int level = GRAVITYLEVEL(SETGRAVITY);
    return {{{70, 236, -0.05f, "GRAVITA"},
             {180, 236, -0.05f, level >= 0 ? GRAVITYNAMES[level] : ""},
             {70, 206, -0.05f, SCENEPAUSED ? "PAUSA" : ""}}};
}

std::array<TextImage, 3> lineImages;

}  // namespace

void KEEPOVERLAYTEXT() {
    const OverlayLines lines = overlayLines();
    for (std::size_t i = 0; i < lines.size(); ++i)
        lineImages[i].keep(lines[i].x, lines[i].y, lines[i].size, lines[i].text);
}

void OPENGL_DRAW2D() {
    OPENGL_I2D(0, 0, 0, 0);
    TEXTUREON();
    SETGLSPRITE();
    TEXTURETGASELECTID(0);
    glDisable(GL_LIGHTING);
    glColor3f(1, 1, 1);
    glPushMatrix();
    // The logo keeps to the top-left corner whatever the window's shape.
    glTranslatef(static_cast<float>(0.7083334 - OVERLAYHALFWIDTH()), 1.0833334f, 0);
    QUAD(-0.6666667f, 0.1666667f, 0, 0.6666667f, 0.1666667f, 0, -0.6666667f, -0.1666667f, 0, 0.6666667f, -0.1666667f,
         0);
    glPopMatrix();
    glEnable(GL_LIGHTING);
    SETGLSPRITEOFF();
    TEXTUREOFF();

    glDisable(GL_LIGHTING);
    glColor3f(0.6f, 0.6f, 0.6f);
    const OverlayLines lines = overlayLines();
    for (std::size_t i = 0; i < lines.size(); ++i)
        lineImages[i].put(lines[i].x, lines[i].y, lines[i].size, lines[i].text);
    DRAWTOURCAPTION();
    glColor3f(0.9f, 0.9f, 0.9f);
    glEnable(GL_LIGHTING);
    DRAWSCREENSHOTNOTICE();
    OPENGL_INIT(1000, 0, 0, 0, 0);
}
