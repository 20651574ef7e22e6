#pragma once
// The layer's one gravity vector, the presets the gravity selector offers, the
// standard force callback and the launch impulse of bullets.
#include <cstdint>

#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

// Accelerations along y (negative: downwards).
constexpr double PHY_SUN_GRAVITY = -273.699;
constexpr double PHY_MERCURY_GRAVITY = -3.7278;
constexpr double PHY_VENUS_GRAVITY = -8.829;
constexpr double PHY_EARTH_GRAVITY = -9.81;
constexpr double PHY_MOON_GRAVITY = -1.63500000000327;
constexpr double PHY_MARS_GRAVITY = -3.7278;
constexpr double PHY_JUPITER_GRAVITY = -25.8984;
constexpr double PHY_SATURN_GRAVITY = -11.3796;
constexpr double PHY_URANUS_GRAVITY = -11.4777;
constexpr double PHY_NEPTUNE_GRAVITY = -11.772;
constexpr double PHY_PLUTO_GRAVITY = -0.5886;
constexpr double PHY_EXTREME_GRAVITY = -2736.99;
constexpr double PHY_VERY_BIG_GRAVITY = -1368.495;
constexpr double PHY_BIG_GRAVITY = -547.398;
constexpr double PHY_LITTLE_GRAVITY = -0.24525;
constexpr double PHY_VERY_LITTLE_GRAVITY = -0.0981;
constexpr double PHY_NO_GRAVITY = 0;

constexpr double PHY_SUN_MASS = 1937676000;
constexpr double PHY_MERCURY_MASS = 330;
constexpr double PHY_VENUS_MASS = 4890;
constexpr double PHY_EARTH_MASS = 6000;
constexpr double PHY_MOON_MASS = 180;
constexpr double PHY_MARS_MASS = 660;
constexpr double PHY_JUPITER_MASS = 1907400;
constexpr double PHY_SATURN_MASS = 571200;
constexpr double PHY_URANUS_MASS = 87600;
constexpr double PHY_NEPTUNE_MASS = 103200;
constexpr double PHY_PLUTO_MASS = 12;

// Gravity acceleration applied to every body; (0, 0, 0) until first set.
extern TGLVector PHYVECGRAVITY;

void PHY_SETGRAVITYFORCE(float x, float y, float z);
// The standard force-and-torque callback: adds mass × PHYVECGRAVITY, nothing else.
void PHY_GETGRAVITYFORCE(const NewtonBody* body, dFloat timeStep, std::int32_t threadIndex);
// Launches a body: moves it by one 0.012 s step of its old velocity, replaces
// its velocity by vel + 0.08 × gravity and sweeps it from then on so that it
// does not pass through thin bodies.
void PHY_ADDIMPULSE(const NewtonBody* body, const TGLVector& vel);
