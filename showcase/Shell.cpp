#include "showcase/Shell.h"

std::int32_t SELECTDEMO = 0;
bool ENABLEDEBUG = false;
bool ENABLECAMERAPLAYER = false;
std::int32_t SETCAM = 0;
std::int32_t TIMER[101] = {};

bool REPEATCOUNTER(std::int32_t& counter, bool held) {
    if (!held) {
        counter = 0;
        return false;
    }
    ++counter;
    const bool fire = counter == 3;
    if (counter >= 10) counter = 0;
    return fire;
}

bool KEYTAPPED(bool& wasDown, bool down) {
    const bool tapped = down && !wasDown;
    wasDown = down;
    return tapped;
}

bool SELECTTYPE(std::int32_t size, std::int32_t settype) { return size == settype; }
