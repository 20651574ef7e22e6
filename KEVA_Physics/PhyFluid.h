#pragma once
// Fluids: axis-aligned box regions of water or air in which bodies float. A
// scene's force callback hands each body to the regions' appliers; the first
// one whose region holds the body's centre applies its forces.
#include <cstdint>

#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

struct PHY_Fluid {
    TGLVector POS;  // region origin
    TGLVector MIN;  // lower corner, relative to POS
    TGLVector MAX;  // upper corner, relative to POS
    float DENSITY = 0;
    float VISCOSITY = 0;
    std::int32_t DRAWTYPE = 0;  // 0 water box, 3 air box
    bool DELLIST = false;       // drawn
    float RADIUS = 0;
    float H = 0;

    // Stores the region and shows it. A body whose centre lies strictly inside
    // has its force replaced by a small random vertical term g' (whose sign
    // flickers from update to update) and floats with the engine's buoyancy
    // under gravity g'; the result is true. Outside, nothing is applied and the
    // result is false: the caller decides what acts on a body no region holds.
    bool CREATECUBICFLUID(const NewtonBody* body, const TGLVector& pos, const TGLVector& min, const TGLVector& max,
                          float density, float viscosity);
    // The same for air of density 1.225: inside, the body keeps its weight
    // and gets a constant push of 1.225 |g| and the air's buoyancy on top.
    bool CREATECUBICAIRFLUID(const NewtonBody* body, const TGLVector& pos, const TGLVector& min, const TGLVector& max);
    // A white wire box round the region, unlit.
    void DRAW() const;
    // Whether `p` lies strictly inside the region on every axis.
    bool HOLDS(const TGLVector& p) const;
};

// The buoyancy-plane callback: the surface is the top face of the region
// given as context (a PHY_Fluid), or y = 0 without one.
std::int32_t PHY_GETCOLLISIONREPULSION(std::int32_t collisionId, void* context, const dFloat* globalSpaceMatrix,
                                       dFloat* globalSpacePlane);
