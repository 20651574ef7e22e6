#pragma once
// Small helpers for the physics tests: worlds, boxes and readings of bodies.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "KEVA_Physics/engine/NewtonImport.h"
#include "KEVA_Physics/PhyGravity.h"
#include "base/GLTypes.h"

inline constexpr float kPi = std::numbers::pi_v<float>;

struct Vec {
    float x = 0, y = 0, z = 0;
};

inline Vec operator-(const Vec& a, const Vec& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec operator+(const Vec& a, const Vec& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec operator*(const Vec& a, float s) { return {a.x * s, a.y * s, a.z * s}; }
inline float dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec cross(const Vec& a, const Vec& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float length(const Vec& a) { return std::sqrt(dot(a, a)); }
inline bool finite(const Vec& a) { return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z); }
inline Vec vec(const TGLVector& v) { return {v.X, v.Y, v.Z}; }
inline void expectNear(const Vec& actual, const Vec& expected, float tolerance, const std::string& what) {
    EXPECT_NEAR(actual.x, expected.x, tolerance) << what;
    EXPECT_NEAR(actual.y, expected.y, tolerance) << what;
    EXPECT_NEAR(actual.z, expected.z, tolerance) << what;
}

inline TGLBaseMatrix identityAt(const Vec& p) {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, p.x, p.y, p.z, 1};
}

inline TGLBaseMatrix matrixOf(const NewtonBody* body) {
    TGLBaseMatrix m{};
    NewtonBodyGetMatrix(body, m.data());
    return m;
}
inline Vec positionOf(const NewtonBody* body) {
    const TGLBaseMatrix m = matrixOf(body);
    return {m[12], m[13], m[14]};
}
// A point given in the body's own frame, in world space.
inline Vec worldPoint(const NewtonBody* body, const Vec& local) {
    const TGLBaseMatrix m = matrixOf(body);
    return {m[0] * local.x + m[4] * local.y + m[8] * local.z + m[12],
            m[1] * local.x + m[5] * local.y + m[9] * local.z + m[13],
            m[2] * local.x + m[6] * local.y + m[10] * local.z + m[14]};
}
inline Vec velocityOf(const NewtonBody* body) {
    Vec v;
    NewtonBodyGetVelocity(body, &v.x);
    return v;
}
inline float massOf(const NewtonBody* body) {
    dFloat mass = 0, ix = 0, iy = 0, iz = 0;
    NewtonBodyGetMassMatrix(body, &mass, &ix, &iy, &iz);
    return mass;
}
inline Vec omegaOf(const NewtonBody* body) {
    Vec w;
    NewtonBodyGetOmega(body, &w.x);
    return w;
}

// A body of the given full sizes with PHY_GETGRAVITYFORCE; mass 0 leaves it static.
inline NewtonBody* addBox(const NewtonWorld* world, const Vec& position, const Vec& size, float mass) {
    NewtonCollision* shape = NewtonCreateBox(world, size.x, size.y, size.z, 0, nullptr);
    const TGLBaseMatrix m = identityAt(position);
    NewtonBody* body = NewtonCreateBody(world, shape, m.data());
    NewtonReleaseCollision(world, shape);
    if (mass > 0) {
        NewtonBodySetMassMatrix(body, mass, mass * (size.y * size.y + size.z * size.z) / 12,
                                mass * (size.x * size.x + size.z * size.z) / 12,
                                mass * (size.x * size.x + size.y * size.y) / 12);
        NewtonBodySetForceAndTorqueCallback(body, PHY_GETGRAVITYFORCE);
    }
    return body;
}

inline void simulate(const NewtonWorld* world, float seconds, float step = 1.0f / 60.0f) {
    const int updates = static_cast<int>(std::lround(seconds / step));
    for (int i = 0; i < updates; ++i) NewtonUpdate(world, step);
}

// A world with the fast solver and friction that most scenes use.
inline NewtonWorld* fastWorld() {
    NewtonWorld* world = NewtonCreate(nullptr, nullptr);
    NewtonSetSolverModel(world, 1);
    NewtonSetFrictionModel(world, 1);
    NewtonSetPlatformArchitecture(world, 1);
    return world;
}

// Every test starts from Earth gravity and a fresh fast world (destroyed afterwards).
class PhysicsTest : public ::testing::Test {
protected:
    void SetUp() override {
        PHY_SETGRAVITYFORCE(0, static_cast<float>(PHY_EARTH_GRAVITY), 0);
        world = fastWorld();
    }
    void TearDown() override {
        NewtonDestroy(world);
        PHY_SETGRAVITYFORCE(0, 0, 0);
    }
    NewtonWorld* world = nullptr;
};
