#pragma once
// SDL keys to Windows virtual-key codes (0 for keys the program never reads).
// Letters and digits go by the key's position (its scancode), so that the
// top-row digits and the letter keys act alike on every keyboard layout; other
// keys go by what they mean (their key code).
#include <cstdint>

namespace platform {
int virtualKeyFromSdl(int sdlScancode, std::int32_t sdlKeycode);
}
