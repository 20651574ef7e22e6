#include "showcase/Startup.h"

#include "kestrova/Lights.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/OutlineText.h"
#include "kestrova/Platform.h"
#include "kestrova/Projection.h"
#include "kestrova/RenderState.h"
#include "kestrova/Texture.h"
#include "showcase/Frame.h"
#include "showcase/GravityLevels.h"
#include "showcase/GravitySelector.h"
#include "showcase/MenuCommands.h"
#include "showcase/SceneRegistry.h"
#include "showcase/StatsPanel.h"

#include <GL/gl.h>

namespace {

void OPENGL_TEXTURE() {
    TEXTURELOADTGAID("logoKestrova.tga", 0);
    TEXTURELOADTGAID("Arrow01.tga", 1);
    TEXTURELOADTGAID("Arrow01_2.tga", 2);
}

}  // namespace

void OPENGL_CREATELIST() {
    OPENGL_TEXTURE();
    INITTEXT(0, 0, 0, 0);
    SETGRAVITY = 8.0f;
    BUILDGRAVITYPICKLIST();
    INITALLSCENES();
}

void SHOWCASESTARTUP() {
    ENABLEMENUBAR();
    CREATEMENUBAR = OPENGL_CREATEMENU;
    CREATEMOUSEMENU = OPENGL_CREATEMENU2;
    GETINPUTCOMMAND = OPENGL_ADDCOMMAND;
    OGLWINDOWSETTING(ARROW, "", FILEICON, "KevaPhy.ico");
    CREATEOGLWINDOW("Kestrova - Kestrova Phy demo", 800, 600, 32, FULLSCREEN);
    POSITIONWINDOW(platform::screenWidth() / 2 - WIDTH / 2, platform::screenHeight() / 2 - HEIGHT / 2);
    SHOWINFOBOX("Attendere per il caricamento", "Informazione");
    OPENGL_INIT(1000, 0, 0, 0, 0);
    SETGLREFRACTIVE();
    SETGLLIGHT(GL_LIGHT0, 0.1f, 0, 0, 0);
    OPENGL_CREATELIST();
}

void SHOWCASEPASS() {
    BEGINFRAMESTATS();
    glClear(GL_COLOR_BUFFER_BIT);
    SETGLMSG();
    OPENGL_DRAW();
    ENDFRAMESTATS();
    platform::swapBuffers();
}

void SHOWCASESHUTDOWN() {
    DELETEGLTEXT();
    DELETEOGLWINDOW();
}
