#pragma once
// The records and constants that callers of the overlap tests may use; the
// tests themselves take plain vectors.
#include "base/GLTypes.h"

namespace collision {

using TGLVERTEX = TGLVector;

struct TGLFACE {
    TGLVERTEX VECTORS[5];  // used from index 1
};

struct TGLLINE {
    TGLVERTEX STARTPOINT, ENDPOINT;
};

struct TBOUNDINGTRIANGLEBOX {
    TGLVERTEX A, B, C;
    float Z1 = 0, Z2 = 0;
};

struct TBOUNDINGBOX {
    TGLVector MIN, MAX;
};

struct TBOUNDINGCYLINDER {
    TGLVector POINT, CYLINDER;
    float RADIUS = 0, HEIGHT = 0;
};

struct TBOUNDINGSPHERE {
    TGLVector POINT, SPHERE;
    float RADIUS = 0;
};

struct TTRIANGLECOLLISION {
    TGLVector A, B, C;
};

// Where a point lies against a plane.
constexpr int BEHIND = 0;
constexpr int INTERSECTS = 1;
constexpr int FRONT = 2;

// Capacities of tables of bounding volumes.
constexpr int MAXTRIANGLEBOX = 2500;
constexpr int MAXBOX = 2500;
constexpr int MAXCYLINDER = 2500;
constexpr int MAXSPHERE = 2500;

}  // namespace collision
