#pragma once
// Shell state that the frame keeps and the scenes read, and the repeat-counter
// rule of the held keys.
#include <cstdint>

extern std::int32_t SELECTDEMO;     // current scene (its menu command id); 0 = start screen
extern bool ENABLEDEBUG;            // collision outlines (key D)
extern bool ENABLECAMERAPLAYER;     // vehicle follow camera (scene 808 only)
extern std::int32_t SETCAM;         // follow-camera variant 0..3
extern std::int32_t TIMER[101];     // repeat counters, used from index 1

// Repeat-counter rule for a held key or button: counts frames while held, fires
// on the 3rd, wraps at 10, resets when released (fires on frames 3, 13, 23...).
bool REPEATCOUNTER(std::int32_t& counter, bool held);
// One action per press of a key that toggles at once: true on the first frame
// the key is down, then not again until it has been released.
bool KEYTAPPED(bool& wasDown, bool down);

// True when the two values are equal (the check mark of the current scene).
bool SELECTTYPE(std::int32_t size, std::int32_t settype);
