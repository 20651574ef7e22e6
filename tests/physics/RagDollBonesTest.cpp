// Ragdoll bones of the physics layer: each is drawn where its collision shape is.
#include "physics/BodyTestSupport.h"

#include "KEVA_Physics/PhyRagDoll.h"

#include <string>

namespace {

using RagDollBones = BodyScene;

TEST_F(RagDollBones, EachTypeIsDrawnOnItsCollisionShapeFromTheFirstFrame) {
    const struct {
        PHY_RAGDOLLBONETYPE type;
        const char* name;
    } types[] = {{PHYBOX, "box"}, {PHYCONE, "cone"}, {PHYCYLINDER, "cylinder"}, {PHYSPHERE, "sphere"},
                 {PHYCAPSULE, "capsule"}};
    for (const auto& [type, name] : types) {
        // Turned by right angles, so that the box round the engine shape is tight.
        auto bone = PHY_RAGDOLLADDBONE(type, "Bone", GLVECTOR(1, 4, -2), GLVECTOR(90, 0, -90), GLVECTOR(10, 2, 2.4),
                                       GLVECTOR(0.5, 0.25, 1), 7);
        EXPECT_TRUE(drawnVertices([&] { bone->RENDER(); }).empty()) << name << " drawn before it has a body";
        PHY_CREATERAGDOLL(world, *bone, GLVECTOR(0, 0, 0), 60, 60, 180);
        const Bounds drawn = boundsOf(drawnVertices([&] { bone->RENDER(); }));
        const Bounds shape = shapeBounds(bone->BODY);
        // The engine pads its shapes by a small collision margin.
        expectNear(drawn.min, shape.min, 0.08f, std::string(name) + " lower corner");
        expectNear(drawn.max, shape.max, 0.08f, std::string(name) + " upper corner");
    }
    // A capsule's whole length is 1.33 times its SIZE.X, its radius half its SIZE.Y.
    auto capsule = PHY_RAGDOLLADDBONE(PHYCAPSULE, "Bone", GLVECTOR(0, 5, 0), GLVECTOR(0, 0, 0), GLVECTOR(10, 2, 2),
                                      GLVECTOR(1, 1, 1), 0);
    PHY_CREATERAGDOLL(world, *capsule, GLVECTOR(0, 0, 0), 60, 60, 180);
    const Bounds shape = shapeBounds(capsule->BODY);
    EXPECT_NEAR(shape.max.x - shape.min.x, 13.3f, 0.05f);
    EXPECT_NEAR(shape.max.y - shape.min.y, 2.0f, 0.05f);
}

}  // namespace
