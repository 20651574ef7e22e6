#include "KEVA_Physics/PhyPick.h"

#include "kestrova/Picking.h"

float PICKEDPARAM = 1.1f;
NewtonBody* PICKEDBODY = nullptr;
bool MOUSEPICKMODE = false;

namespace {

float massOf(const NewtonBody* body) {
    dFloat mass = 0, ixx = 0, iyy = 0, izz = 0;
    NewtonBodyGetMassMatrix(body, &mass, &ixx, &iyy, &izz);
    return mass;
}

}  // namespace

unsigned PHY_RAYCASTPREFILTER(const NewtonBody* body, const NewtonCollision*, void*) {
    return massOf(body) > 0 ? 1u : 0u;
}

dFloat PHY_RAYCASTFILTER(const NewtonBody* body, const dFloat*, std::int32_t, void*, dFloat intersectParam) {
    if (massOf(body) > 0 && intersectParam < PICKEDPARAM) {
        PICKEDPARAM = intersectParam;
        PICKEDBODY = const_cast<NewtonBody*>(body);
    }
    return intersectParam;
}

void PHY_CASTPICKRAY(NewtonWorld* world, std::int32_t x, std::int32_t y) {
    PICKEDBODY = nullptr;
    PICKEDPARAM = 1.1f;
    const TGLVector a = PHY_PICKRAYPOINT(x, y, 0);
    const TGLVector b = PHY_PICKRAYPOINT(x, y, 1);
    const dFloat from[3] = {a.X, a.Y, a.Z};
    const dFloat to[3] = {b.X, b.Y, b.Z};
    NewtonWorldRayCast(world, from, to, PHY_RAYCASTFILTER, nullptr, PHY_RAYCASTPREFILTER);
}

TGLVector PHY_PICKRAYPOINT(std::int32_t x, std::int32_t y, float fraction) {
    const TGLVector a = SCREENTOWORLD(static_cast<float>(x), static_cast<float>(y), 0);
    const TGLVector b = SCREENTOWORLD(static_cast<float>(x), static_cast<float>(y), 1);
    return GLVECTOR(a.X + (b.X - a.X) * fraction, a.Y + (b.Y - a.Y) * fraction, a.Z + (b.Z - a.Z) * fraction);
}
