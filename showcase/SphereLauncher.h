#pragma once
// The sphere launcher (PHY_Bullet): spheres shot from the mouse cursor into a
// scene, one launcher per fire key.
#include "KEVA_Physics/PhyPrimitiveBodies.h"

#include <cstdint>
#include <vector>

struct PHY_Bullet {
    std::vector<PHY_Sphere> SPHERE;  // every sphere shot, in order (only grown)
    std::int32_t COUNTBULLET = 0;    // frames the fire key has been held
    NewtonWorld* WORLD = nullptr;    // the world the spheres were shot into

    // Every frame: one sphere on the 3rd frame the fire key is held, none more
    // until it is released; R hides the spheres; draws them.
    void CREATEBULLET(NewtonWorld* world, float depth, float target, float power, float radius, float mass,
                      bool fire);
    // Bursts: a sphere every step + 1 frames while the key is held.
    void CREATEBULLETRAFFIC(NewtonWorld* world, std::int32_t step, float depth, float target, float power,
                            float radius, float mass, bool fire);
    void DELETE();

private:
    void shoot(NewtonWorld* world, float depth, float target, float power, float radius, float mass);
    void forgetOtherWorld(NewtonWorld* world);
    void finishFrame();
};
