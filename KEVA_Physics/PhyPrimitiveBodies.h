#pragma once
// The body kinds whose shape is one of the engine's own: box, cone, cylinder,
// capsule and sphere (an ellipsoid in general). A scene calls a kind's set-up
// once and its DRAW every frame; the engine owns the motion. DELETE only hides
// the body, which goes on colliding. Material and colour are the caller's.
#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

#include <cstdint>

struct PHY_Box {
    NewtonBody* NEWBODY = nullptr;
    TGLBaseMatrix MATRIX{};
    TGLVector SIZE;  // half extents
    bool DELLIST = false;

    // A dynamic box (static with mass 0) at `pos`, turned by `rot` degrees.
    void SETBOX(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, const TGLVector& size, float mass);
    NewtonBody* ADDBOX(NewtonWorld* world, const TGLVector& size);
    TGLVector ADDINERTIA(const TGLVector& size, float mass) const;
    void DRAW() const;
    void DELETE();
};

// Cone, cylinder and capsule lie along the body's x axis.
struct PHY_Cone {
    NewtonBody* NEWBODY = nullptr;
    TGLBaseMatrix MATRIX{};
    float RADIUS = 0;
    float H = 0;                // height, apex towards +x
    std::int32_t QUALITY = 0;  // segments round the axis
    bool DELLIST = false;

    void SETCONE(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float radius, float h,
                 std::int32_t quality, float mass);
    NewtonBody* ADDCONE(NewtonWorld* world, float radius, float h, std::int32_t quality);
    TGLVector ADDINERTIA(float radius, float h, float mass) const;
    void DRAW() const;
    void DELETE();
};

struct PHY_Cylinder {
    NewtonBody* NEWBODY = nullptr;
    TGLBaseMatrix MATRIX{};
    float RADIUS = 0;
    float H = 0;
    std::int32_t QUALITY = 0;
    bool DELLIST = false;

    void SETCYLINDER(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float radius, float h,
                     std::int32_t quality, float mass);
    NewtonBody* ADDCYLINDER(NewtonWorld* world, float radius, float h, std::int32_t quality);
    TGLVector ADDINERTIA(float radius, float h, float mass) const;
    void DRAW() const;
    void DELETE();
};

struct PHY_Capsule {
    NewtonBody* NEWBODY = nullptr;
    TGLBaseMatrix MATRIX{};
    float RADIUS = 0;
    float H = 0;  // whole length, caps included
    std::int32_t QUALITY = 0;
    bool DELLIST = false;

    void SETCAPSULE(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float radius, float h,
                    std::int32_t quality, float mass);
    NewtonBody* ADDCAPSULE(NewtonWorld* world, float radius, float h, std::int32_t quality);
    TGLVector ADDINERTIA(float radius, float h, float mass) const;
    // A capsule shorter than 1 is drawn 1 long; its shape keeps its length.
    void DRAW() const;
    void DELETE();
};

struct PHY_Sphere {
    NewtonBody* NEWBODY = nullptr;
    TGLBaseMatrix MATRIX{};
    TGLVector RADIUS;  // radii along x, y and z
    std::int32_t QUALITY = 0;
    bool DELLIST = false;

    void SETSPHERE(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, const TGLVector& radius,
                   std::int32_t quality, float mass);
    NewtonBody* ADDSPHERE(NewtonWorld* world, const TGLVector& radius, std::int32_t quality);
    TGLVector ADDINERTIA(const TGLVector& radius, float mass) const;
    void DRAW() const;
    void DELETE();
};
