#pragma once
// The body kinds whose shape is built from points: a box between two
// arbitrary corners, a prism standing in for a cylinder, and a torus made of
// convex segments. They draw and hide like the primitive kinds.
#include "KEVA_Physics/PhyCompound.h"
#include "KEVA_Physics/PhyConvexHull.h"
#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

#include <cstdint>

// The body origin is at the set-up position, wherever the corners lie round it.
struct PHY_CustomFaceBox {
    PHY_CONVEXHULL CONVEXHULL;
    bool DELLIST = false;
    TGLVector MIN;
    TGLVector MAX;

    void SETCUSTOMFACECUBE(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, const TGLVector& min,
                           const TGLVector& max, float mass);
    void DRAW() const;
    void DELETE();
};

// A prism of QUALITY sides along the body's z axis; QUALITY is kept within 3 .. 100.
struct PHY_CustomFaceCylinder {
    PHY_CONVEXHULL CONVEXHULL;
    float RADIUS = 0;
    float H = 0;
    std::int32_t QUALITY = 0;
    bool DELLIST = false;

    void SETCUSTOMFACECYLINDER(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float radius, float h,
                               std::int32_t quality, float mass);
    void DRAW() const;
    void DELETE();
};

// A ring round the body's z axis made of QUALITY convex segments, so that
// another ring can pass through it; QUALITY is kept within 3 .. 500.
struct PHY_CUSTOMFACETORUS {
    PHY_CONVEXHULL CONVEXHULL;  // builds the segments
    PHY_COMPOUND COMPOUND;      // the body
    float RADIUS = 0;           // from the centre to the tube's centre line
    float TUBER = 0;            // tube radius
    std::int32_t QUALITY = 0;
    bool DELLIST = false;

    void SETCUSTOMFACETORUS(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float tuber, float radius,
                            std::int32_t quality, float mass);
    void DRAW() const;
    void DELETE();
};
