#pragma once
// SDL key codes to Windows virtual-key codes (0 for keys the program never reads).
#include <cstdint>

namespace platform {
int virtualKeyFromSdl(std::int32_t sdlKeycode);
}
