#pragma once
// Hair and ropes: a straight chain of thin three-sided pieces joined end to end
// by ball joints, optionally hung from a body at its root and tied to a load
// at its tip.
#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

#include <cstdint>
#include <vector>

// One piece: an engine cylinder lying along its body's x axis.
struct PHY_HairPice {
    NewtonBody* NEWBODY = nullptr;
    TGLBaseMatrix MATRIX{};
    float RADIUS = 0;
    float H = 0;  // length
    std::int32_t QUALITY = 0;

    // A dynamic piece at pos turned by rot (degrees), made heavy to turn: its
    // inertia is the same large value about every axis.
    void SETHAIRPICE(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float radius, float h,
                     std::int32_t quality, float mass);
    // Stores the sizes and makes a static body of the cylinder at the origin.
    NewtonBody* ADDHAIRPICE(NewtonWorld* world, float radius, float h, std::int32_t quality);
    // A closed prism of QUALITY sides in the body's place; always drawn.
    void DRAW() const;
};

struct PHY_Hair {
    NewtonWorld* WORLD = nullptr;
    std::vector<PHY_HairPice> HAIR;
    TGLVector POS;  // root point: the centre of piece 0
    TGLVector DIR;  // direction of the chain
    float LENGTH_ = 0;  // length of one piece
    bool DELLIST = false;

    // maxHair + 1 pieces of mass `mass` each, radius / 10 thick, from pos along
    // dir (a main axis), together leng long. The root is free until ATTACHHAIR.
    void SETHAIR(NewtonWorld* world, const TGLVector& pos, const TGLVector& dir, float radius, float leng, float mass,
                 std::int32_t maxHair);
    // Hangs piece 0 from parent at the root; it may lean 2.5 degrees from DIR.
    void ATTACHHAIR(const NewtonBody* parent);
    // Ties child to the last piece: with freeBody a ball joint at the tip,
    // otherwise a hinge turning about the chain's own line.
    void ATTACHTOHAIR(const NewtonBody* child, bool freeBody);
    // Every piece in index order, all in one batch (hair is drawn every frame).
    void DRAW() const;
};
