#include "showcase/PickExplosion.h"

#include "KEVA_Physics/PhyExplosion.h"
#include "KEVA_Physics/PhyGravity.h"
#include "KEVA_Physics/PhyPick.h"
#include "kestrova/Input.h"
#include "kestrova/RenderState.h"
#include "kestrova/Solids.h"
#include "kestrova/Texture.h"
#include "showcase/SceneFramework.h"

#include <GL/gl.h>

namespace {

TGLVector pickHit;  // where the pick ray met the body, for the release

void drawCharge(const TGLVector& centre) {
    TEXTUREOFF();
    glDisable(GL_LIGHTING);
    SETGLLINE(1);
    SFERA(centre.X, centre.Y, centre.Z, PICKEXPSTEP, 18);
    SETGLFILL();
    glEnable(GL_LIGHTING);
    TEXTUREON();
}

}  // namespace

void PHY_MOUSEPICKEXPLOSION(NewtonWorld* world, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                            float strength, float radius) {
    if (MOUSEPICKMODE && PICKEDBODY) {
        pickHit = PHY_PICKRAYPOINT(x1, y1, PICKEDPARAM);
        if (PICKEXPSTEP < 2 * strength) PICKEXPSTEP += 1;
        drawCharge(pickHit);
    }
    MOUSEPICKMODE = false;
    if (LEFTMOUSEDOWN2) {
        PHY_CASTPICKRAY(world, x2, y2);
        if (PICKEDBODY) {
            MOUSEPICKMODE = true;
            LEFTMOUSEDOWN = false;  // the button charges the explosion instead of turning the view
        }
    }
    if (!LEFTMOUSEDOWN2 && PICKEDBODY) {
        PHY_ADDEXPLOSION(world, PICKEDBODY, pickHit, PICKEXPSTEP, radius);
        NewtonBodySetForceAndTorqueCallback(PICKEDBODY, PHY_GETGRAVITYFORCE);
        PICKEDBODY = nullptr;
        PICKEXPSTEP = 0;
    }
}
