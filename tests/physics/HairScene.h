#pragma once
// The hair scene's bodies in a world of their own: a floor, a static head of
// radius 4 at (0, 15, 0) and fifteen hairs hung from the back of it, stepped as
// the scene steps them.
#include "KEVA_Physics/PhyHair.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "KEVA_Physics/PhyWorld.h"

#include <vector>

struct HairScene {
    static constexpr int kHairs = 15;
    static constexpr int kExtraPieces = 10;

    NewtonWorld* world = PHY_INITWORLD(60);
    PHY_Box floor;
    PHY_Sphere head;
    std::vector<PHY_Hair> hairs{kHairs};

    HairScene() {
        PHY_SETWORLDSIZE(world, -600, -600, -600, 600, 600, 600);
        floor.SETBOX(world, GLVECTOR(-2, -1, 0), GLVECTOR(0, 0, 0), GLVECTOR(10, 0.25, 10), 0);
        head.SETSPHERE(world, GLVECTOR(0, 15, 0), GLVECTOR(0, 0, 0), GLVECTOR(4, 4, 4), 20, 0);
        for (int k = 0; k < kHairs; ++k) {
            hairs[k].SETHAIR(world, GLVECTOR(-1.4 + 0.2 * k, 15.5, 4), GLVECTOR(0, 0, 1), 0.45f, 14, 5, kExtraPieces);
            hairs[k].ATTACHHAIR(head.NEWBODY);
        }
    }
    ~HairScene() { NewtonDestroy(world); }
    HairScene(const HairScene&) = delete;
    HairScene& operator=(const HairScene&) = delete;

    // The scene's frame step; the engine keeps it to 1/60 s.
    void run(int frames) const {
        for (int frame = 0; frame < frames; ++frame) NewtonUpdate(world, 12000);
    }
};
