#include "showcase/GravitySelector.h"

#include "KEVA_Physics/PhyGravity.h"
#include "kestrova/Lights.h"
#include "kestrova/Picking.h"
#include "kestrova/Projection.h"
#include "kestrova/RenderState.h"
#include "kestrova/Input.h"
#include "kestrova/OutlineText.h"
#include "kestrova/Texture.h"
#include "showcase/Shell.h"

#include <GL/gl.h>

#include <cmath>

float NEWGRAVITY = 0;
bool OVER[51] = {};
bool CLICK[51] = {};

const char* const GRAVITYNAMES[17] = {
    "NO GRAVITA", "GRAVITA MOLTO BASSA", "GRAVITA BASSA", "PLUTONE", "LUNA",   "MARTE",
    "MERCURIO",   "VENERE",              "TERRA",         "NETTUNO", "SATURNO", "URANO",
    "GIOVE",      "SOLE",                "SOLEx2",        "SOLEx5",  "SOLEx10",
};

namespace {

const double kLevelAcceleration[17] = {
    PHY_NO_GRAVITY,   PHY_VERY_LITTLE_GRAVITY, PHY_LITTLE_GRAVITY, PHY_PLUTO_GRAVITY,  PHY_MOON_GRAVITY,
    PHY_MARS_GRAVITY, PHY_MERCURY_GRAVITY,     PHY_VENUS_GRAVITY,  PHY_EARTH_GRAVITY,  PHY_NEPTUNE_GRAVITY,
    PHY_SATURN_GRAVITY, PHY_URANUS_GRAVITY,    PHY_JUPITER_GRAVITY, PHY_SUN_GRAVITY,   PHY_BIG_GRAVITY,
    PHY_VERY_BIG_GRAVITY, PHY_EXTREME_GRAVITY,
};

// The level as an index, or -1 when the value is not a whole level 0..16.
int levelIndex(float gravity) {
    if (!(gravity >= 0 && gravity <= 16) || std::floor(gravity) != gravity) return -1;
    return static_cast<int>(gravity);
}

// The unit quad of the arrows and the logo, corners top-left, top-right, bottom-left, bottom-right.
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

void SELECTGRAVITY(float gravity) {
    const int level = levelIndex(gravity);
    if (level >= 0) NEWGRAVITY = static_cast<float>(kLevelAcceleration[level]);
    PHY_SETGRAVITYFORCE(0, NEWGRAVITY, 0);
}

void VIEWTYPEGRAVITY(float x, float y, float gravity) {
    const int level = levelIndex(gravity);
    if (level >= 0) PUTGLTEXT(x, y, -0.05f, GRAVITYNAMES[level]);
}

void OBJSELECTON() {
    const int hover = SELECTOBJID(SETOMX, SETOMY, EVENTSELECTION);
    OVER[1] = hover == GRAVADD;
    OVER[2] = hover == GRAVSUB;
    const int pressed = SELECTOBJID(SETMX, SETMY, EVENTSELECTION);
    CLICK[1] = pressed == GRAVADD;
    CLICK[2] = pressed == GRAVSUB;
}

void GRAVITYARROWS() {
    TEXTUREON();
    glDisable(GL_LIGHTING);
    SETGLSPRITE();
    drawArrow(1, 6, false);
    drawArrow(2, 18, true);
    glEnable(GL_LIGHTING);
    TEXTUREOFF();

    if (REPEATCOUNTER(TIMER[6], CLICK[1])) SETGRAVITY -= 1;
    if (SETGRAVITY < 0) SETGRAVITY = 16;
    if (REPEATCOUNTER(TIMER[7], CLICK[2])) SETGRAVITY += 1;
    if (SETGRAVITY > 16) SETGRAVITY = 0;
    OBJSELECTON();
}

void OPENGL_DRAW2D() {
    OPENGL_I2D(0, 0, 0, 0);
    TEXTUREON();
    SETGLSPRITE();
    TEXTURETGASELECTID(0);
    glDisable(GL_LIGHTING);
    glColor3f(1, 1, 1);
    glPushMatrix();
    glTranslatef(-1.2916666f, 1.0833334f, 0);
    QUAD(-0.6666667f, 0.1666667f, 0, 0.6666667f, 0.1666667f, 0, -0.6666667f, -0.1666667f, 0, 0.6666667f,
         -0.1666667f, 0);
    glPopMatrix();
    glEnable(GL_LIGHTING);
    SETGLSPRITEOFF();
    TEXTUREOFF();

    glDisable(GL_LIGHTING);
    glColor3f(0.6f, 0.6f, 0.6f);
    if (SELECTDEMO != 0) {
        PUTGLTEXT(70, 236, -0.05f, "GRAVITA");
        VIEWTYPEGRAVITY(180, 236, SETGRAVITY);
    } else {
        PUTGLTEXT(-150, 0, 0.8f, "Selezionare un demo");
    }
    glColor3f(0.9f, 0.9f, 0.9f);
    glEnable(GL_LIGHTING);
    OPENGL_INIT(1000, 0, 0, 0, 0);
}
