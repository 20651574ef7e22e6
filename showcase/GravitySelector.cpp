#include "showcase/GravitySelector.h"

#include "kestrova/Input.h"
#include "kestrova/Picking.h"
#include "kestrova/RenderState.h"
#include "kestrova/Solids.h"
#include "kestrova/Texture.h"
#include "showcase/GravityLevels.h"
#include "showcase/Shell.h"

#include <GL/gl.h>

#include <array>

bool OVER[51] = {};
bool CLICK[51] = {};
unsigned int EVENTSELECTION = 0;

namespace {

// The unit quad of the arrows, corners top-left, top-right, bottom-left, bottom-right.
void ARROWQUAD() { QUAD(-1, 1, 0, 1, 1, 0, -1, -1, 0, 1, -1, 0); }

void drawArrow(int index, float x, bool pointsRight) {
    TEXTURETGASELECTID(OVER[index] ? 1 : 2);
    glPushMatrix();
    glTranslatef(x, 26.75f, 0);
    if (CLICK[index]) glScalef(0.9f, 0.9f, 1);
    else glScalef(1, 1, 1);
    if (pointsRight) glRotatef(180, 0, 0, 1);
    ARROWQUAD();
    glPopMatrix();
}

// What the arrows' pick depends on besides the fixed pick list: the point,
// the view and the model-view matrix the arrows stand in.
struct PickQuestion {
    int x = -1, y = -1;
    std::array<GLint, 4> viewport{};
    std::array<GLfloat, 16> modelview{};
    bool operator==(const PickQuestion&) const = default;
};

// Picking with the GL's selection mode costs Mesa's software renderer more
// than the rest of a frame, so each of the two picks of a frame is only asked
// again when its question changed; the mouse is mostly still between frames.
int pickArrows(int x, int y, int slot) {
    static std::array<PickQuestion, 2> asked;
    static std::array<int, 2> answer{};
    PickQuestion question{x, y};
    glGetIntegerv(GL_VIEWPORT, question.viewport.data());
    glGetFloatv(GL_MODELVIEW_MATRIX, question.modelview.data());
    if (!(question == asked[slot])) {
        asked[slot] = question;
        answer[slot] = SELECTOBJID(x, y, static_cast<std::int32_t>(EVENTSELECTION));
    }
    return answer[slot];
}

}  // namespace

void BUILDGRAVITYPICKLIST() {
    // The pick quads stand exactly where the arrows are drawn.
    EVENTSELECTION = glGenLists(1);
    glNewList(EVENTSELECTION, GL_COMPILE);
    ADDNAMETOOBJ(GRAVADD);
    glPushMatrix();
    glTranslatef(6, 26.75f, 0);
    ARROWQUAD();
    glPopMatrix();
    ADDNAMETOOBJ(GRAVSUB);
    glPushMatrix();
    glTranslatef(18, 26.75f, 0);
    ARROWQUAD();
    glPopMatrix();
    glEndList();
}

void OBJSELECTON() {
    const int hover = pickArrows(SETOMX, SETOMY, 0);
    OVER[1] = hover == GRAVADD;
    OVER[2] = hover == GRAVSUB;
    const int pressed = pickArrows(SETMX, SETMY, 1);
    CLICK[1] = pressed == GRAVADD;
    CLICK[2] = pressed == GRAVSUB;
}

void GRAVITYARROWS() {
    TEXTUREON();
    glDisable(GL_LIGHTING);
    SETGLSPRITE();
    drawArrow(1, 6, false);
    drawArrow(2, 18, true);
    // Left on, the alpha test would keep Mesa's software renderer from testing
    // depth before shading for the rest of the frame.
    SETGLSPRITEOFF();
    glEnable(GL_LIGHTING);
    TEXTUREOFF();

    if (REPEATCOUNTER(TIMER[6], CLICK[1])) SETGRAVITY -= 1;
    if (SETGRAVITY < 0) SETGRAVITY = 16;
    if (REPEATCOUNTER(TIMER[7], CLICK[2])) SETGRAVITY += 1;
    if (SETGRAVITY > 16) SETGRAVITY = 0;
    OBJSELECTON();
}
