#include "showcase/Overlay.h"

#include "kestrova/OutlineText.h"
#include "kestrova/Projection.h"
#include "kestrova/RenderState.h"
#include "kestrova/Solids.h"
#include "kestrova/Texture.h"
#include "showcase/GravityLevels.h"
#include "showcase/ScenePause.h"
#include "showcase/Screenshot.h"
#include "showcase/Shell.h"
#include "showcase/Tour.h"

#include <GL/gl.h>

void VIEWTYPEGRAVITY(float x, float y, float gravity) {
    const int level = GRAVITYLEVEL(gravity);
    if (level >= 0) PUTGLTEXT(x, y, -0.05f, GRAVITYNAMES[level]);
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
    if (SELECTDEMO != 0) {
        PUTGLTEXT(70, 236, -0.05f, "GRAVITA");
        VIEWTYPEGRAVITY(180, 236, SETGRAVITY);
        if (SCENEPAUSED) PUTGLTEXT(70, 206, -0.05f, "PAUSA");
    } else {
        PUTGLTEXT(-150, 0, 0.8f, "Selezionare un demo");
    }
    DRAWTOURCAPTION();
    glColor3f(0.9f, 0.9f, 0.9f);
    glEnable(GL_LIGHTING);
    DRAWSCREENSHOTNOTICE();
    OPENGL_INIT(1000, 0, 0, 0, 0);
}
