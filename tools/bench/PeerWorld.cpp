#include "PeerWorld.h"

#include <btBulletDynamicsCommon.h>

#include <vector>

#include "PyramidLayout.h"

namespace bench {

struct PeerWorld::Parts {
    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher{&configuration};
    btDbvtBroadphase broadphase;
    btSequentialImpulseConstraintSolver solver;
    btDiscreteDynamicsWorld world{&dispatcher, &broadphase, &solver, &configuration};
    btBoxShape floorShape{btVector3(50, 0.5f, 50)};
    btBoxShape boxShape{btVector3(0.5f, 0.5f, 0.5f)};
    btSphereShape ballShape{kBallRadius};
    std::vector<std::unique_ptr<btRigidBody>> bodies;

    btRigidBody& add(btCollisionShape& shape, btScalar mass, const btVector3& position) {
        btVector3 inertia(0, 0, 0);
        if (mass > 0) shape.calculateLocalInertia(mass, inertia);
        btRigidBody::btRigidBodyConstructionInfo info(mass, nullptr, &shape, inertia);
        info.m_startWorldTransform.setOrigin(position);
        bodies.push_back(std::make_unique<btRigidBody>(info));
        world.addRigidBody(bodies.back().get());
        return *bodies.back();
    }
};

PeerWorld::PeerWorld() : parts_(std::make_unique<Parts>()) {
    parts_->world.setGravity(btVector3(0, kGravity, 0));
    parts_->add(parts_->floorShape, 0, btVector3(0, -0.5f, 0));
    forEachPyramidBox([this](float x, float y, float z) { parts_->add(parts_->boxShape, 1, btVector3(x, y, z)); });
}

PeerWorld::~PeerWorld() {
    for (auto& body : parts_->bodies) parts_->world.removeRigidBody(body.get());
}

void PeerWorld::update() { parts_->world.stepSimulation(kStep, 0); }

void PeerWorld::launchBall() {
    btRigidBody& ball =
        parts_->add(parts_->ballShape, kBallMass, btVector3(kBallStart[0], kBallStart[1], kBallStart[2]));
    ball.setLinearVelocity(btVector3(kBallVelocity[0], kBallVelocity[1], kBallVelocity[2]));
}

}  // namespace bench
