#pragma once
// Scene objects of many parts, each one rigid body: a rocket, three trees and
// a bowling pin. Every part is a block of the object's compound body; the
// object stands with its lowest part a little above POS and falls onto it.
// DRAW of an object that was never built or has been hidden draws nothing and
// reads no body, so the hidden objects of an abandoned world are safe to keep.
#include "KEVA_Physics/PhyCompound.h"
#include "KEVA_Physics/PhyCompoundBlocks.h"
#include "base/GLTypes.h"
#include "kestrova/SolidMesh.h"

#include <cstdint>
#include <vector>

// A grey rocket with a red nose, four red fins and four dark nozzles (13
// parts); its body is at POS + (0, 10 x SIZE, 0).
struct PHY_CompoundRocket {
    std::vector<NewtonCollision*> ROCKETPARTS;     // the parts' shapes in build order
    std::vector<PHY_COMPOUNDBLOCKS> ROCKETBLOCKS;  // 101 block slots while shown, none once hidden
    PHY_COMPOUND ROCKET;
    std::vector<SolidMesh> LOOKS;  // the parts of each colour, recorded when built
    bool DELLIST = false;

    void SETROCKET(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float size, std::int32_t quality,
                   float mass);
    void DRAW() const;
    void DELETE();
};

// Trees of a brown trunk with three branches and green crowns; lengths in SIZE / 4.
// SETTREE1: a low crown of five layers, body at POS + (0, 14 x SIZE / 4, 0) (12 parts).
// SETTREE2: a tall crown, body at POS + (0, 22 x SIZE / 4, 0) (12 parts).
// SETTREE3: three side crowns and a top one, body as SETTREE1's (30 parts).
struct PHY_CompoundTree {
    std::vector<NewtonCollision*> TREEPARTS;
    std::vector<PHY_COMPOUNDBLOCKS> TREEBLOCKS;
    PHY_COMPOUND TREE;
    std::vector<SolidMesh> LOOKS;
    bool DELLIST = false;

    void SETTREE1(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float size, std::int32_t quality,
                  float mass);
    void SETTREE2(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float size, std::int32_t quality,
                  float mass);
    void SETTREE3(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float size, std::int32_t quality,
                  float mass);
    void DRAW() const;
    void DELETE();
};

// A light grey bowling pin with three red bands, 12 parts stacked on its axis;
// body at POS + (0, 8 x SIZE, 0).
struct PHY_CompoundBirillo {
    std::vector<NewtonCollision*> BIRILLOPARTS;
    std::vector<PHY_COMPOUNDBLOCKS> BIRILLOBLOCKS;
    PHY_COMPOUND BIRILLO;
    std::vector<SolidMesh> LOOKS;
    bool DELLIST = false;

    void SETBIRILLO(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float size, std::int32_t quality,
                    float mass);
    void DRAW() const;
    void DELETE();
};
