#pragma once
// The runner's model mode: a model or motion drawn offscreen as the model
// viewer draws it, the motion looped a frame per displayed frame.
#include "RunnerOptions.h"

// Draws options.frames frames, writes the last as a PNG and a JSON report of
// the load time, the frame times and the joints of the last frame. Exit
// status 1 when nothing can be read from the file or no context can be made.
int runModel(const RunnerOptions& options);
