#include "showcase/SphereLauncher.h"

#include "KEVA_Physics/PhyGravity.h"
#include "kestrova/Input.h"
#include "kestrova/Picking.h"
#include "showcase/SceneFramework.h"

void PHY_Bullet::CREATEBULLET(NewtonWorld* world, float depth, float target, float power, float radius, float mass,
                              bool fire) {
    forgetOtherWorld(world);
    if (fire) {
        ++COUNTBULLET;
        if (COUNTBULLET == 3) shoot(world, depth, target, power, radius, mass);
        if (COUNTBULLET > 3) COUNTBULLET = 3;
    } else {
        COUNTBULLET = 0;
    }
    finishFrame();
}

void PHY_Bullet::CREATEBULLETRAFFIC(NewtonWorld* world, std::int32_t step, float depth, float target, float power,
                                    float radius, float mass, bool fire) {
    forgetOtherWorld(world);
    if (fire) {
        ++COUNTBULLET;
        if (COUNTBULLET == step) shoot(world, depth, target, power, radius, mass);
        if (COUNTBULLET > step) COUNTBULLET = 0;
    } else {
        COUNTBULLET = 0;
    }
    finishFrame();
}

void PHY_Bullet::DELETE() { DELETEALL(SPHERE); }

void PHY_Bullet::shoot(NewtonWorld* world, float depth, float target, float power, float radius, float mass) {
    const TGLVector from = GETMOUSEINWORLD(depth);
    const TGLVector to = GETMOUSEINWORLD(target + depth);
    PHY_Sphere& sphere = SPHERE.emplace_back();
    sphere.SETSPHERE(world, from, GLVECTOR(0, 0, 0), GLVECTOR(radius, radius, radius), 18, mass);
    PHY_ADDIMPULSE(sphere.NEWBODY,
                   GLVECTOR((to.X - from.X) * power, (to.Y - from.Y) * power, (to.Z - from.Z) * power));
}

// Spheres shot into a world that a rebuild has since destroyed are hidden for good.
void PHY_Bullet::forgetOtherWorld(NewtonWorld* world) {
    if (WORLD != world) DELETE();
    WORLD = world;
}

void PHY_Bullet::finishFrame() {
    if (SETGLKEY('R')) DELETE();
    SCENEMATERIAL(255, 255, 255);
    DRAWALL(SPHERE);
}
