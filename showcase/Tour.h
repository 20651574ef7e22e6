#pragma once
// The tour (--tour): every scene in menu order for a while each, round and
// round, with its menu label as a caption and a line "tour: CODE LABEL" on
// standard output at each change. The user's first key, mouse button or menu
// command ends it and leaves the scene in their hands.
#include <cstdint>

// Starts with scene `first` (the first scene when it is 0 or unknown), `seconds` per scene.
void STARTTOUR(double seconds, std::int32_t first = 0);
// After each pass of the main loop: ends the tour on the user's input, or
// moves on to the next scene once the current one's time is up.
void TOURPASS();
bool TOURRUNNING();
// The current scene's label under the logo while the tour runs.
void DRAWTOURCAPTION();
