#include "kestrova/platform/KeyMapping.h"

#include "kestrova/WinTypes.h"

#include <SDL_keycode.h>
#include <SDL_scancode.h>

namespace platform {

int virtualKeyFromSdl(int sdlScancode, std::int32_t sdlKeycode) {
    if (sdlScancode >= SDL_SCANCODE_A && sdlScancode <= SDL_SCANCODE_Z) return 'A' + (sdlScancode - SDL_SCANCODE_A);
    // The top row runs 1 … 9, 0.
    if (sdlScancode >= SDL_SCANCODE_1 && sdlScancode <= SDL_SCANCODE_9) return '1' + (sdlScancode - SDL_SCANCODE_1);
    if (sdlScancode == SDL_SCANCODE_0) return '0';
    if (sdlKeycode >= SDLK_F1 && sdlKeycode <= SDLK_F12) return 112 + (sdlKeycode - SDLK_F1);
    if (sdlKeycode >= SDLK_KP_1 && sdlKeycode <= SDLK_KP_9) return 97 + (sdlKeycode - SDLK_KP_1);
    switch (sdlKeycode) {
    case SDLK_KP_0: return 96;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_END: return 35;
    case SDLK_HOME: return 36;
    case SDLK_INSERT: return 45;
    case SDLK_DELETE: return 46;
    // The window system reports both shift keys as 16 in key messages; the
    // program tests the right shift by its own code, so the sides stay apart.
    case SDLK_LSHIFT: return VK_LSHIFT;
    case SDLK_RSHIFT: return VK_RSHIFT;
    case SDLK_LCTRL: return 162;
    case SDLK_RCTRL: return 163;
    case SDLK_LALT: return 164;
    case SDLK_RALT: return 165;
    case SDLK_KP_PLUS: return 107;
    case SDLK_KP_MINUS: return 109;
    case SDLK_PLUS: return 187;
    case SDLK_MINUS: return 189;
    default: return 0;
    }
}

}  // namespace platform
