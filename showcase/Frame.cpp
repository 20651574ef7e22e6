#include "showcase/Frame.h"

#include "kestrova/Input.h"
#include "kestrova/Lights.h"
#include "kestrova/OGLWindow.h"
#include "showcase/BodyGrab.h"
#include "showcase/GravitySelector.h"
#include "showcase/MenuCommands.h"
#include "showcase/Overlay.h"
#include "showcase/ScenePause.h"
#include "showcase/SceneRegistry.h"
#include "showcase/Screenshot.h"
#include "showcase/Shell.h"
#include "showcase/StatsPanel.h"
#include "showcase/VehicleState.h"

#include <GL/gl.h>

namespace {

void OPENGL_MOUSE2D() {}
void OPENGL_KEYBOARD() {}

// The vehicle's chase camera: keys 1 to 4 pick one of four views.
void FOLLOWCAMERA() {
    for (int view = 0; view < 4; ++view)
        if (SETGLKEY(static_cast<char>('1' + view))) SETCAM = view;
    const TGLVector& vehicle = BOX[1];
    switch (SETCAM) {
    case 0:
        glTranslatef(0, -10, 0);
        glRotatef(25, 1, 0, 0);
        glRotatef(HEADING, 0, 1, 0);
        break;
    case 1:
        glTranslatef(0, -10, 30);
        glRotatef(25, 1, 0, 0);
        glRotatef(HEADING, 0, 1, 0);
        break;
    case 2:
        glTranslatef(0, 0, -10);
        glRotatef(25, 1, 0, 0);
        break;
    case 3:
        glTranslatef(0, 0, -20);
        glRotatef(90, 1, 0, 0);
        glRotatef(HEADING, 0, 1, 0);
        break;
    default:
        return;
    }
    glTranslatef(-vehicle.X, -vehicle.Y, -vehicle.Z);
}

void SETCHECKMARKS() {
    for (const SceneRow& scene : SCENEROWS())
        CHECKMENUCMD(MENU[1], static_cast<std::uint32_t>(scene.code), 8, 0, SELECTTYPE(scene.code, SELECTDEMO));
}

}  // namespace

void OPENGL_DRAW() {
    SETCHECKMARKS();
    KEEPOVERLAYTEXT();
    // Nothing draws with the stencil, but clearing it with the depth lets the
    // software renderer fill each depth word whole instead of keeping its
    // stencil byte.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glLoadIdentity();
    OPENGL_MOUSE2D();
    OPENGL_KEYBOARD();

    glTranslatef(0, 0, -80);
    // The gravity arrows are drawn and picked in this eye-space frame, before any camera turn.
    if (SELECTDEMO != 0) GRAVITYARROWS();
    glTranslatef(0, -10, 0);
    if (SELECTDEMO != CMD_VEHICLE) {
        glRotatef(15, 1, 0, 0);
        SETGLMOUSEMOVE(GL_M0, 2);
        glRotatef(45, 0, 1, 0);
    }
    if (ENABLECAMERAPLAYER) FOLLOWCAMERA();
    PUTGLPOINTLIGHT(GL_LIGHT0, 0.1f, 0, 12, 0, 0);
    if (SELECTDEMO != CMD_VEHICLE) ENABLECAMERAPLAYER = false;

    if (SELECTDEMO == CMD_VEHICLE) {
        if (REPEATCOUNTER(TIMER[3], SETGLKEY('C'))) ENABLECAMERAPLAYER = !ENABLECAMERAPLAYER;
    } else {
        TIMER[3] = 0;
    }
    if (SELECTDEMO >= 800 && REPEATCOUNTER(TIMER[4], SETGLKEY('G'))) ENABLEGRAVITY = !ENABLEGRAVITY;
    if (REPEATCOUNTER(TIMER[5], SETGLKEY('D'))) ENABLEDEBUG = !ENABLEDEBUG;
    if (SETGLKEY('Q')) SELECTDEMO = 0;
    PAUSEKEYS();
    STATSKEY();

    const SceneRow* scene = FINDSCENE(SELECTDEMO);
    if (scene && scene->view) scene->view();
    GRABINSCENE(scene);

    glEnable(GL_BLEND);
    OPENGL_DRAW2D();
    glDisable(GL_BLEND);
    SCREENSHOTKEY();
}
