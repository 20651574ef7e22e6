#pragma once
// A fixture for tests that run whole scenes: the shell's drawing state on an
// offscreen context, Earth gravity, keys pressed and released through the
// window procedure, and every key up again afterwards.
#include "support/OffscreenGL.h"

#include "KEVA_Physics/PhyGravity.h"
#include "kestrova/Input.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/Platform.h"
#include "kestrova/Projection.h"
#include "showcase/Frame.h"
#include "showcase/GravityLevels.h"
#include "showcase/GravitySelector.h"
#include "showcase/Shell.h"

class SceneTest : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        OPENGL_INIT(1000, 0, 0, 0, 0);
        if (EVENTSELECTION == 0) BUILDGRAVITYPICKLIST();
        SETGRAVITY = 8;  // "TERRA"
        PHY_SETGRAVITYFORCE(0, static_cast<float>(PHY_EARTH_GRAVITY), 0);
    }
    void TearDown() override {
        for (int key = 0; key < 501; ++key) SETKEY[key] = 0;
        SELECTDEMO = 0;
    }

    static void press(char key) { GLWNDPROC(1, WM_KEYDOWN, key, 0); }
    static void release(char key) { GLWNDPROC(1, WM_KEYUP, key, 0); }
    // One frame of the program as the main loop runs it (the swap paces the clock like a 60 Hz display).
    static void frame() {
        OPENGL_DRAW();
        platform::swapBuffers();
    }
    static void frames(int count) {
        for (int i = 0; i < count; ++i) frame();
    }
};
