// The rocket: a body, a nose of three rings and a cone, four nozzles and four fins.
#include "showcase/CompoundObjects.h"
#include "showcase/CompoundParts.h"
#include "showcase/SceneFramework.h"

#include "KEVA_Physics/PhyBodySetup.h"

void PHY_CompoundRocket::SETROCKET(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float size,
                                   std::int32_t quality, float mass) {
    CompoundPartsBuilder parts(world, ROCKETPARTS, ROCKETBLOCKS, size, quality);
    const TGLVector centre = GLVECTOR(0, 0, 0);
    parts.CYLINDER(0, GLVECTOR(0, 5, 0), centre, centre, 3, 20);
    parts.TRUNCCONE(0, GLVECTOR(0, 16.5f, 0), centre, centre, 2.5f, 3, 3);
    parts.TRUNCCONE(1, GLVECTOR(0, 18.9f, 0), centre, centre, 1.8f, 2.5f, 1.8f);
    parts.TRUNCCONE(2, GLVECTOR(0, 20.15f, 0), centre, centre, 1.2f, 1.8f, 0.7f);
    parts.CONE(0, GLVECTOR(0, 20.75f, 0), centre, centre, 1.2f, 0.5f);
    // The nozzles sit between the fins.
    for (int j = 0; j < 4; ++j)
        parts.CONE(1 + j, GLVECTOR(0, -5, 0), GLVECTOR(-1.8f, 0, 0), GLVECTOR(0, 45 + 90 * static_cast<float>(j), 0),
                   1.15f, 3);
    const TGLVector fin[8] = {GLVECTOR(-2, 5, 0.3f),     GLVECTOR(0, 9, 0.3f),     GLVECTOR(-2, 5, -0.3f),
                              GLVECTOR(0, 9, -0.3f),     GLVECTOR(-3.5f, 0, 0.1f), GLVECTOR(0, 2.5f, 0.3f),
                              GLVECTOR(-3.5f, 0, -0.1f), GLVECTOR(0, 2.5f, -0.3f)};
    for (int j = 0; j < 4; ++j)
        parts.BOX2(j, GLVECTOR(0, -7, 0), GLVECTOR(-2.5f, 0, 0), GLVECTOR(0, 90 * static_cast<float>(j), 0), fin);
    parts.FINISH(ROCKET, GLVECTOR(pos.X, pos.Y + 10 * size, pos.Z), rot, mass);
    LOOKS = {RECORDBLOCKS(ROCKETBLOCKS, {{PHYCOMPCYLINDER, 0, 0}}),
             RECORDBLOCKS(ROCKETBLOCKS, {{PHYCOMPTRUNCCONE, 0, 2}, {PHYCOMPCONE, 0, 0}, {PHYCOMPBOX2, 0, 3}}),
             RECORDBLOCKS(ROCKETBLOCKS, {{PHYCOMPCONE, 1, 4}})};
    DELLIST = true;
}

void PHY_CompoundRocket::DRAW() const {
    if (!DELLIST) return;
    SCENEMATERIAL(192, 192, 192);
    phy::drawInPlace(LOOKS[0], ROCKET.NEWBODY);
    SCENEMATERIAL(166, 0, 0);
    phy::drawInPlace(LOOKS[1], ROCKET.NEWBODY);
    SCENEMATERIAL(70, 70, 70);
    phy::drawInPlace(LOOKS[2], ROCKET.NEWBODY);
    SCENEMATERIAL(255, 255, 255);
}

void PHY_CompoundRocket::DELETE() { HIDECOMPOUND(DELLIST, ROCKETPARTS, ROCKETBLOCKS, LOOKS); }
