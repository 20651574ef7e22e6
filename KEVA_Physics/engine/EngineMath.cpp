// Conversions between the engine's float arrays and Bullet's types.
#include "KEVA_Physics/engine/EngineRecords.h"

namespace engine {

btTransform toTransform(const dFloat* matrix) {
    if (!matrix) return btTransform::getIdentity();
    for (int i = 0; i < 16; ++i) {
        if (!std::isfinite(matrix[i])) return btTransform::getIdentity();
    }
    btTransform transform;
    transform.setFromOpenGLMatrix(matrix);
    btQuaternion rotation;
    transform.getBasis().getRotation(rotation);
    if (!(rotation.length2() > SIMD_EPSILON) || !std::isfinite(rotation.length2())) {
        rotation = btQuaternion::getIdentity();
    }
    transform.setRotation(rotation.normalized());
    return transform;
}

void store(const btTransform& transform, dFloat* matrix) {
    if (matrix) transform.getOpenGLMatrix(matrix);
}

btVector3 direction(const btVector3& v, const btVector3& fallback) {
    const btScalar length2 = v.length2();
    if (!(length2 > SIMD_EPSILON * SIMD_EPSILON) || !std::isfinite(length2)) return fallback;
    return v / btSqrt(length2);
}

btMatrix3x3 basisAlong(const btVector3& axis) {
    btVector3 y;
    btVector3 z;
    btPlaneSpace1(axis, y, z);
    return btMatrix3x3(axis.x(), y.x(), z.x(),
                       axis.y(), y.y(), z.y(),
                       axis.z(), y.z(), z.z());
}

}  // namespace engine
