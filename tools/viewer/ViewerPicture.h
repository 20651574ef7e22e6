#pragma once
// The viewer's picture of a model or motion: the sky, the light over the
// viewer's shoulder and the camera turned about the framed box, shared by the
// viewer window and the scene runner's offscreen model runs.
#include "ModelView.h"

struct Orbit {
    float yaw = 20, pitch = 15;  // degrees
    float distance = 1;          // times the distance that frames the whole box
};

// Clears the frame and draws the view at the motion frame from the orbit.
void drawViewerFrame(const ModelView& view, const Orbit& orbit, std::int32_t frame, bool bones);

// The motion frame shown after `frame` (1 ... frames, looping); 0 without a motion.
std::int32_t stepMotionFrame(const ModelView& view, std::int32_t frame, int by);
