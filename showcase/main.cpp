#include "kestrova/OGLWindow.h"
#include "showcase/Startup.h"

int main() {
    SHOWCASESTARTUP();
    do {
        SHOWCASEPASS();
    } while (ACTIVE);
    SHOWCASESHUTDOWN();
    return 0;
}
