#pragma once
// Worlds with Earth gravity and a GL context for the tests of the landscape
// and of scenery collision, with the readings those tests share.
#include "physics/PhysicsTestSupport.h"
#include "support/OffscreenGL.h"

#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "KEVA_Physics/PhyWorld.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

class LandScene : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        PHY_SETGRAVITYFORCE(0, static_cast<float>(PHY_EARTH_GRAVITY), 0);
        world = PHY_INITWORLD(60);
        PHY_SETWORLDSIZE(world, -500, -500, -500, 500, 500, 500);
        folder = std::filesystem::path(::testing::TempDir()) /
                 ("land-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        NewtonDestroy(world);
        PHY_SETGRAVITYFORCE(0, 0, 0);
        std::filesystem::remove_all(folder);
    }
    template <class Bytes>
    std::string write(const std::string& name, const Bytes& bytes) const {
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return (folder / name).string();
    }

    NewtonWorld* world = nullptr;
    std::filesystem::path folder;
};

// Boxes and spheres (size 1) dropped from `height` above the surface at each
// of the given places, alternately.
struct DroppedBodies {
    std::vector<PHY_Box> boxes;
    std::vector<PHY_Sphere> spheres;
    std::vector<const NewtonBody*> all;
};
DroppedBodies dropBodies(NewtonWorld* world, const std::vector<std::pair<float, float>>& places,
                         const std::function<float(float, float)>& surface, float height);

// The deepest point of the body's shape (the support point straight down), in world space.
Vec lowestWorldPoint(const NewtonBody* body);

// Runs the world for `seconds` and returns, per body, how far its deepest
// point ever sank below `surface` (the land's height at a place x, z);
// 0 when it never did.
std::vector<float> deepestSinking(const NewtonWorld* world, const std::vector<const NewtonBody*>& bodies,
                                  const std::function<float(float, float)>& surface, float seconds);
