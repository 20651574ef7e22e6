// The eight launchers shared by the wall, domino and post scenes.
#include "kestrova/Input.h"
#include "showcase/RigidScenes.h"

void SHOOTSIZEDSPHERES(NewtonWorld* world, PHY_Bullet (&launchers)[11]) {
    for (int key = 0; key < 8; ++key) {
        const float power = key % 2 == 0 ? 0.6f : 0.15f;
        const float radius = 1.5f * static_cast<float>(key / 2 + 1);
        launchers[key].CREATEBULLET(world, 15, 4.5f, power, radius, 25, SETGLKEY(static_cast<char>('1' + key)));
    }
}
