#include "showcase/Shell.h"

std::int32_t SELECTDEMO = 0;
float SETGRAVITY = 0;
bool ENABLEGRAVITY = true;
bool ENABLEDEBUG = false;
bool ENABLECAMERAPLAYER = false;
std::int32_t SETCAM = 0;
std::int32_t TIMER[101] = {};
unsigned int EVENTSELECTION = 0;
float HEADING = 0;
TGLVector BOX[61] = {};

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

bool SELECTTYPE(std::int32_t size, std::int32_t settype) { return size == settype; }
