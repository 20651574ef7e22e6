// The window backend's behaviour that needs no display: keys by position and
// message boxes that cannot be shown.
#include "kestrova/WinTypes.h"
#include "kestrova/platform/KeyMapping.h"
#include "kestrova/Platform.h"

#include <SDL_keycode.h>
#include <SDL_scancode.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using platform::virtualKeyFromSdl;

TEST(KeysByPosition, LettersAndDigitsFollowTheKeyNotTheLayout) {
    // A French layout types '&' and 'à' on the top row's 1 and 0, and 'a' where others have Q.
    EXPECT_EQ(virtualKeyFromSdl(SDL_SCANCODE_1, SDLK_AMPERSAND), '1');
    EXPECT_EQ(virtualKeyFromSdl(SDL_SCANCODE_9, SDLK_CARET), '9');
    EXPECT_EQ(virtualKeyFromSdl(SDL_SCANCODE_0, 0xE0), '0');
    EXPECT_EQ(virtualKeyFromSdl(SDL_SCANCODE_Q, SDLK_a), 'Q');
    EXPECT_EQ(virtualKeyFromSdl(SDL_SCANCODE_A, SDLK_q), 'A');
    EXPECT_EQ(virtualKeyFromSdl(SDL_SCANCODE_Z, SDLK_w), 'Z');
    // Other keys go by what they mean.
    EXPECT_EQ(virtualKeyFromSdl(SDL_SCANCODE_UP, SDLK_UP), VK_UP);
    EXPECT_EQ(virtualKeyFromSdl(SDL_SCANCODE_RSHIFT, SDLK_RSHIFT), VK_RSHIFT);
    EXPECT_EQ(virtualKeyFromSdl(SDL_SCANCODE_KP_1, SDLK_KP_1), 97);
    EXPECT_EQ(virtualKeyFromSdl(SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK), 0);
}

TEST(MessageBoxWithoutDisplay, CaptionAndTextGoToStandardErrorAndTheProgramGoesOn) {
    // A display that does not exist: SDL cannot make the box.
    setenv("DISPLAY", ":4095", 1);
    unsetenv("WAYLAND_DISPLAY");
    testing::internal::CaptureStderr();
    platform::showMessageBox("Attendere per il caricamento\rseconda riga", "Informazione",
                             platform::MessageBoxIcon::Information, false);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("[Informazione] Attendere per il caricamento\nseconda riga"), std::string::npos) << said;
    EXPECT_NE(said.find("no message box"), std::string::npos) << said;
}

}  // namespace
