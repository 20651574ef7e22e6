#pragma once
// The two force formulas of the vehicle scene, which moves its car without the
// engine, and their constants.
#include "base/GLTypes.h"

constexpr double FHY_AG = -9.81;
constexpr double FHY_EM = 6000;
constexpr double GR = 0.6673;
constexpr double MM = 14.3376;

// (9.81·gravity − point) / (GR·MM·mobj), with every component whose gravity
// component is exactly 0 set to 0.
TGLVector PUTGRAVITY(const TGLVector& point, const TGLVector& gravity, float mobj);
// −friction · mass · speed.
float PUTFRICTION(float friction, float mass, float speed);
