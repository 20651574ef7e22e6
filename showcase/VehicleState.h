#pragma once
// The vehicle's state that the shell also reads: where the car is and where it
// heads (the chase camera follows them) and its gravity switch (key G).
#include "base/GLTypes.h"

extern float HEADING;       // vehicle heading in degrees
extern TGLVector BOX[61];   // scene positions, used from index 1; BOX[1] is the vehicle
extern bool ENABLEGRAVITY;  // gravity switch of the vehicle scene (key G)
