// Every body kind dropped onto the floor comes to rest on it.
#include "physics/BodyTestSupport.h"

#include <algorithm>
#include <vector>

class RestingBodies : public BodyScene {};

TEST_F(RestingBodies, EveryKindComesToRestOnTheFloorWithoutSinkingOrJittering) {
    const std::vector<BodyKind> kinds = everyKind(world, GLVECTOR(10, 20, 15), 3);
    simulate(world, 5);
    std::vector<Vec> settled;
    for (const BodyKind& kind : kinds) settled.push_back(positionOf(kind.body));
    std::vector<float> lowest(kinds.size(), 1e9f), fastest(kinds.size(), 0);
    for (int frame = 0; frame < 60; ++frame) {
        simulate(world, 1.0f / 60);
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            lowest[k] = std::min(lowest[k], lowestPoint(kinds[k].body));
            fastest[k] = std::max(fastest[k], length(velocityOf(kinds[k].body)));
        }
    }
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        const std::string& name = kinds[k].name;
        EXPECT_GT(lowest[k], -0.06f) << name << " sank into the floor";
        EXPECT_LT(lowest[k], 0.1f) << name << " does not lie on the floor";
        EXPECT_LT(fastest[k], 0.05f) << name << " still moves";
        EXPECT_LT(length(positionOf(kinds[k].body) - settled[k]), 0.01f) << name << " crept";
    }
}

