#pragma once
// Inside the engine interface only: hulls of point clouds, computed once.
#include <LinearMath/btConvexHullComputer.h>

#include <vector>

namespace engine {

struct ComputedHull {
    btConvexHullComputer hull;
    btScalar shrunkBy = 0;  // what btConvexHullComputer::compute returned
};

// The hull of the points, shrunk by up to `shrink` (at most `shrinkClamp` of
// its inner radius), as btConvexHullComputer makes it. The hulls of the latest
// clouds are kept: a scene rebuilt with R makes the same shapes again, and the
// rings of a chain share the hulls of their segments. The reference holds
// until the next call.
const ComputedHull& computedHull(const std::vector<btVector3>& points, btScalar shrink, btScalar shrinkClamp);

}  // namespace engine
