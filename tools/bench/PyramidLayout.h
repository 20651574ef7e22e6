#pragma once
// The benchmark pile: a square pyramid of 1015 unit boxes on a 100 x 100 floor,
// each layer shifted by half a box as the scenes pile them, and the heavy
// sphere shot through it. Both benchmarked worlds build exactly this.

namespace bench {

constexpr float kStep = 0.012f;     // the scenes' usual step
constexpr int kLayers = 14;         // 14² + 13² + … + 1 = 1015 boxes
constexpr double kGap = 0.0025;     // between neighbours, as the scenes stack their walls
constexpr float kGravity = -9.81f;  // on earth
constexpr float kBallRadius = 1.5f;
constexpr float kBallMass = 200;
constexpr float kBallStart[3] = {-10, 3, 0.3f};
constexpr float kBallVelocity[3] = {40, kGravity * 0.08f, 0};  // as the scenes' launchers throw

// Calls place(x, y, z) with the centre of every box, bottom layer first.
template <class Place>
void forEachPyramidBox(Place&& place) {
    for (int layer = 0; layer < kLayers; ++layer) {
        const int side = kLayers - layer;
        for (int i = 0; i < side; ++i) {
            for (int k = 0; k < side; ++k) {
                place(static_cast<float>((i - (side - 1) / 2.0) * (1 + kGap)),
                      static_cast<float>(0.5 + layer * (1 + kGap)), static_cast<float>((k - (side - 1) / 2.0) * (1 + kGap)));
            }
        }
    }
}

}  // namespace bench
