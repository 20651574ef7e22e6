#pragma once
// A lit-free GL context and a world with Earth gravity and a static floor
// whose top is at y = 0, for the tests of the body kinds; and the geometry a
// drawing routine emits.
#include "physics/PhysicsTestSupport.h"
#include "support/OffscreenGL.h"

#include "KEVA_Physics/PhyPrimitiveBodies.h"

#include <functional>
#include <string>
#include <vector>

class BodyScene : public OffscreenGL {
protected:
    void SetUp() override;
    void TearDown() override;

    NewtonWorld* world = nullptr;
    PHY_Box floor;
};

// A body of one of the eight kinds, with its record's drawing and hiding.
struct BodyKind {
    std::string name;
    const NewtonBody* body;
    std::function<void()> draw;
    std::function<void()> hide;
};
// One dynamic body of every kind, in two rows of four at the given height,
// all turned by `rot`.
std::vector<BodyKind> everyKind(NewtonWorld* world, const TGLVector& rot, float height);

struct Bounds {
    Vec min, max;
};

// The height of the lowest point of the body's collision shape.
float lowestPoint(const NewtonBody* body);
// The world-space box round the body's collision shape.
Bounds shapeBounds(const NewtonBody* body);
// Every vertex that `draw` emits, in the coordinates of an identity
// model-view matrix; drawing must stay within -extent .. extent.
std::vector<Vec> drawnVertices(const std::function<void()>& draw, float extent = 20);
Bounds boundsOf(const std::vector<Vec>& points);
