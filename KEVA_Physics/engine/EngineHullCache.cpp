#include "KEVA_Physics/engine/EngineHullCache.h"

#include <map>

namespace engine {
namespace {

constexpr std::size_t kMostHullsKept = 1024;

// The coordinates of the points, then the two shrink settings.
using CloudKey = std::vector<btScalar>;

CloudKey keyOf(const std::vector<btVector3>& points, btScalar shrink, btScalar shrinkClamp) {
    CloudKey key;
    key.reserve(3 * points.size() + 2);
    for (const btVector3& point : points) key.insert(key.end(), {point.x(), point.y(), point.z()});
    key.insert(key.end(), {shrink, shrinkClamp});
    return key;
}

}  // namespace

const ComputedHull& computedHull(const std::vector<btVector3>& points, btScalar shrink, btScalar shrinkClamp) {
    static std::map<CloudKey, ComputedHull> kept;
    CloudKey key = keyOf(points, shrink, shrinkClamp);
    if (const auto found = kept.find(key); found != kept.end()) return found->second;
    if (kept.size() >= kMostHullsKept) kept.clear();
    ComputedHull& made = kept[std::move(key)];
    if (!points.empty()) {
        made.shrunkBy = made.hull.compute(points[0].m_floats, sizeof(btVector3), static_cast<int>(points.size()),
                                          shrink, shrinkClamp);
    }
    return made;
}

}  // namespace engine
