#include "showcase/GravityLevels.h"

#include "KEVA_Physics/PhyGravity.h"

#include <cmath>

float SETGRAVITY = 0;
float NEWGRAVITY = 0;

const char* const GRAVITYNAMES[17] = {
    "NO GRAVITA", "GRAVITA MOLTO BASSA", "GRAVITA BASSA", "PLUTONE", "LUNA",   "MARTE",
    "MERCURIO",   "VENERE",              "TERRA",         "NETTUNO", "SATURNO", "URANO",
    "GIOVE",      "SOLE",                "SOLEx2",        "SOLEx5",  "SOLEx10",
};

namespace {

const double kLevelAcceleration[17] = {
    PHY_NO_GRAVITY,   PHY_VERY_LITTLE_GRAVITY, PHY_LITTLE_GRAVITY, PHY_PLUTO_GRAVITY,  PHY_MOON_GRAVITY,
    PHY_MARS_GRAVITY, PHY_MERCURY_GRAVITY,     PHY_VENUS_GRAVITY,  PHY_EARTH_GRAVITY,  PHY_NEPTUNE_GRAVITY,
    PHY_SATURN_GRAVITY, PHY_URANUS_GRAVITY,    PHY_JUPITER_GRAVITY, PHY_SUN_GRAVITY,   PHY_BIG_GRAVITY,
    PHY_VERY_BIG_GRAVITY, PHY_EXTREME_GRAVITY,
};

}  // namespace

int GRAVITYLEVEL(float gravity) {
    if (!(gravity >= 0 && gravity <= 16) || std::floor(gravity) != gravity) return -1;
    return static_cast<int>(gravity);
}

void SELECTGRAVITY(float gravity) {
    const int level = GRAVITYLEVEL(gravity);
    if (level >= 0) NEWGRAVITY = static_cast<float>(kLevelAcceleration[level]);
    PHY_SETGRAVITYFORCE(0, NEWGRAVITY, 0);
}
