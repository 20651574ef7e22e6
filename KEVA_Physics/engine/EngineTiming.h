#pragma once
// How long the engine has spent stepping worlds, for the scene runner's timings.

// Milliseconds spent inside NewtonUpdate by every world since the program started.
double NewtonGetUpdateMilliseconds();
