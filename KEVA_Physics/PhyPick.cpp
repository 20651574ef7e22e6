#include "KEVA_Physics/PhyPick.h"

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
