// The floor and the pin triangle of the compound-object scenes.
#include "KEVA_Physics/PhyBlockPlacement.h"
#include "showcase/CompoundScenes.h"

void ADDCOMPOUNDFLOOR(NewtonWorld* world, std::vector<PHY_Box>& boxes) {
    boxes.emplace_back().SETBOX(world, GLVECTOR(0, -0.75f, 0), GLVECTOR(0, 0, 0), GLVECTOR(35, 1, 35), 0);
}

void ADDPINTRIANGLE(NewtonWorld* world, std::vector<PHY_CompoundBirillo>& pins, TGLVector& lastPos, float x, float y,
                    float gap, float size, float mass) {
    for (int row = 0; row <= 3; ++row)
        for (int i = 0; i <= 3 - row; ++i) {
            lastPos = PHY_CREATEPYRAMIDBLOCKS(x, y, 0, 0.7f, 0.5f, 0, gap, i, row, 0, 10, 10, 0);
            pins.emplace_back().SETBIRILLO(world, GLVECTOR(lastPos.X, lastPos.Z, lastPos.Y), GLVECTOR(0, 0, 0), size,
                                           20, mass);
        }
}
