#pragma once
// A body shaped as the convex hull of a list of points.
#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

#include <array>
#include <cstdint>
#include <span>

struct PHY_CONVEXHULL {
    std::array<TGLVector, 2501> BODYPOINT{};  // the hull's points, filled through SETORIGIN
    NewtonBody* NEWBODY = nullptr;
    TGLBaseMatrix MATRIX{};
    TGLVector BOXSIZE;    // the box the inertia is taken from; its components are negative
    TGLVector BOXORIGIN;  // the hull's centre as the engine computes it
    bool DELLIST = false;

    // A dynamic body from the points 0 .. count of `vert` (count is the
    // highest index), turned by `rot` degrees and placed at `pos`.
    void SETCONVEXHULL(NewtonWorld* world, std::span<const TGLVector> vert, std::int32_t count, const TGLVector& pos,
                       const TGLVector& rot, float mass);
    // The hull shape of the points 0 .. count alone, still owned by the caller
    // (a part for a compound).
    NewtonCollision* SETCONVEXHULLFORCOMPOUND(NewtonWorld* world, std::span<const TGLVector> vert, std::int32_t count);
    // Inertia of the box that the two diagonal support points of the body's
    // shape span; also sets BOXSIZE and a first BOXORIGIN.
    TGLVector ADDINERTIA(float mass);
    // BODYPOINT[num] := v; an index outside the array is ignored.
    void SETORIGIN(const TGLVector& v, std::int32_t num);
};
