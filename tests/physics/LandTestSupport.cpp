#include "physics/LandTestSupport.h"

#include <algorithm>

DroppedBodies dropBodies(NewtonWorld* world, const std::vector<std::pair<float, float>>& places,
                         const std::function<float(float, float)>& surface, float height) {
    DroppedBodies dropped;
    dropped.boxes.reserve(places.size());
    dropped.spheres.reserve(places.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        const auto [x, z] = places[i];
        const TGLVector at = GLVECTOR(x, surface(x, z) + height, z);
        if (i % 2 == 0) {
            dropped.boxes.emplace_back().SETBOX(world, at, GLVECTOR(10, 20, 30), GLVECTOR(0.5, 0.5, 0.5), 1);
            dropped.all.push_back(dropped.boxes.back().NEWBODY);
        } else {
            dropped.spheres.emplace_back().SETSPHERE(world, at, GLVECTOR(0, 0, 0), GLVECTOR(0.5, 0.5, 0.5), 12, 1);
            dropped.all.push_back(dropped.spheres.back().NEWBODY);
        }
    }
    return dropped;
}

Vec lowestWorldPoint(const NewtonBody* body) {
    const TGLBaseMatrix m = matrixOf(body);
    const Vec down{-m[1], -m[5], -m[9]};  // world -y in the body's frame
    Vec v;
    NewtonCollisionSupportVertex(NewtonBodyGetCollision(body), &down.x, &v.x);
    return worldPoint(body, v);
}

std::vector<float> deepestSinking(const NewtonWorld* world, const std::vector<const NewtonBody*>& bodies,
                                  const std::function<float(float, float)>& surface, float seconds) {
    std::vector<float> deepest(bodies.size(), 0);
    const int steps = static_cast<int>(seconds * 60);
    for (int step = 0; step < steps; ++step) {
        NewtonUpdate(world, 1.0f / 60);
        for (std::size_t b = 0; b < bodies.size(); ++b) {
            const Vec p = lowestWorldPoint(bodies[b]);
            deepest[b] = std::max(deepest[b], surface(p.x, p.z) - p.y);
        }
    }
    return deepest;
}
