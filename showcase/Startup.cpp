#include "showcase/Startup.h"

#include "kestrova/Lights.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/OutlineText.h"
#include "kestrova/Platform.h"
#include "kestrova/Projection.h"
#include "kestrova/RenderState.h"
#include "kestrova/Texture.h"
#include "showcase/DataFiles.h"
#include "showcase/Frame.h"
#include "showcase/GravityLevels.h"
#include "showcase/GravitySelector.h"
#include "showcase/MenuCommands.h"
#include "showcase/SceneRegistry.h"
#include "showcase/StatsPanel.h"

#include <GL/gl.h>

#include <string>

namespace {

std::string iconFile;  // the window keeps the name, not a copy

void OPENGL_TEXTURE() {
    TEXTURELOADTGAID(DATAFILE("logoKestrova.tga").c_str(), 0);
    TEXTURELOADTGAID(DATAFILE("Arrow01.tga").c_str(), 1);
    TEXTURELOADTGAID(DATAFILE("Arrow01_2.tga").c_str(), 2);
}

}  // namespace

void OPENGL_CREATELIST() {
    OPENGL_TEXTURE();
    INITTEXT(0, 0, 0, 0);
    SETGRAVITY = 8.0f;
    BUILDGRAVITYPICKLIST();
    INITALLSCENES();
}

void SHOWCASESTARTUP(bool loadingBox) {
    ENABLEMENUBAR();
    CREATEMENUBAR = OPENGL_CREATEMENU;
    CREATEMOUSEMENU = OPENGL_CREATEMENU2;
    GETINPUTCOMMAND = OPENGL_ADDCOMMAND;
    iconFile = DATAFILE("KevaPhy.ico");
    OGLWINDOWSETTING(ARROW, "", FILEICON, iconFile.c_str());
    CREATEOGLWINDOW("Kestrova - Kestrova Phy demo", 800, 600, 32, FULLSCREEN);
    POSITIONWINDOW(platform::screenWidth() / 2 - WIDTH / 2, platform::screenHeight() / 2 - HEIGHT / 2);
    if (loadingBox) SHOWINFOBOX("Attendere per il caricamento", "Informazione");
    OPENGL_INIT(1000, 0, 0, 0, 0);
    SETGLREFRACTIVE();
    SETGLLIGHT(GL_LIGHT0, 0.1f, 0, 0, 0);
    OPENGL_CREATELIST();
}

void SHOWCASEPASS() {
    BEGINFRAMESTATS();
    SETGLMSG();
    OPENGL_DRAW();
    ENDFRAMESTATS();
    platform::swapBuffers();
}

void SHOWCASESHUTDOWN() {
    DELETEGLTEXT();
    DELETEOGLWINDOW();
}
