#pragma once
// The pile on a plain Bullet world with Bullet's own defaults (solver, passes,
// friction, one step per update), the peer our engine is measured against.
#include <memory>

namespace bench {

class PeerWorld {
public:
    PeerWorld();
    ~PeerWorld();
    void update();
    void launchBall();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace bench
