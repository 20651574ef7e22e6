#include "showcase/VehicleState.h"

float HEADING = 0;
TGLVector BOX[61] = {};
bool ENABLEGRAVITY = true;
