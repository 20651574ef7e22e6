#include "showcase/FirstPerson.h"

#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "kestrova/Lights.h"
#include "kestrova/WinTypes.h"
#include "showcase/GravityLevels.h"
#include "showcase/SceneFramework.h"
#include "showcase/ScenePause.h"

#include <GL/gl.h>

void OPENPLAYERINIT(NewtonWorld*& world, PHY_PLAYERGAME& player, const TGLVector& halfSize) {
    OPENSCENE(world, PHY_INITWORLD(60), SceneClock::FIXEDSTEP, halfSize);
    player = PHY_PLAYERGAME{};
}

void CLOSEPLAYERINIT(NewtonWorld* world, PHY_PLAYERGAME& player, const TGLVector& pos, float speed) {
    player.SETMATERIAL(world);
    player.SETFRICTION(world, 0, 0);
    player.SETELASTICITY(world, 0);
    player.SETPLAYER(world, pos, GLVECTOR(1.5, 3.5, 1.5), speed, 0, 0);
    PHY_INITOPTIMIZE();
}

void STARTPLAYERFRAME(PHY_PLAYERGAME& player, float mouseSpeed) {
    PHY_SETOPTIMIZE();
    SELECTGRAVITY(SETGRAVITY);
    // Undoes the shell's quarter turn, so the player's heading alone turns the view.
    glRotatef(45, 0, -1, 0);
    glTranslatef(0, 10, 80);
    player.MOUSEMOVE(mouseSpeed);
    // Walking and jumping act through the world's update: a paused game keeps
    // the player's velocity as it was.
    if (SCENEADVANCES()) {
        player.MOVECOMMANDS(SETGLKEY(VK_UP), SETGLKEY(VK_DOWN), SETGLKEY(VK_LEFT), SETGLKEY(VK_RIGHT),
                            SETGLKEY(VK_RSHIFT));
        player.JUMP(SETGLKEY(VK_SPACE));
    }
    player.SETCAMERA(0);
}

void ENDPLAYERFRAME(NewtonWorld* world, PHY_Bullet (&bullets)[11], float power, float slice) {
    bullets[0].CREATEBULLET(world, 15, 4.5f, power, 1, 80, SETGLKEY('A'));
    // A burst held while paused would stack its spheres on one spot.
    bullets[1].CREATEBULLETRAFFIC(world, 2, 15, 4.5f, 1, 1, 80, SETGLKEY('S') && SCENEADVANCES());
    DEBUGSCENE(world);
    if (!SCENEPAUSED) {
        PHY_UPDATEOPTIMIZE(world, slice);
        return;
    }
    // Paused, the game keeps no time to catch up on; O lets one slice through.
    PHYACCTIMESLICE = 0;
    if (SCENEADVANCES()) NewtonUpdate(world, slice / 1000.0f);
}

void GROUNDMATERIAL() { SETGLNEWMAT(0.3f, 0.3f, 0.3f, 0.5f, 0.5f, 0.5f, 0.6f, 0.6f, 0.6f, 0.2f, 0.2f, 0.2f, 50); }
