// A compound's look leaves out the caps where two of its blocks meet face to
// face, as the rings of a tree's crown do, and keeps every face that shows.
#include "physics/BodyTestSupport.h"
#include "kestrova/GeometryCapture.h"

#include "KEVA_Physics/PhyCompoundLook.h"
#include "kestrova/Matrix.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

class CompoundLook : public BodyScene {
protected:
    // Rings stacked along y from y = -1 upwards, each `h` high, with the radii
    // at their bottom and top, and a cone turned half round on the last one,
    // as the crowns are built.
    std::vector<PHY_COMPOUNDBLOCKS> crown(const std::vector<std::pair<float, float>>& radii, float h) {
        std::vector<PHY_COMPOUNDBLOCKS> blocks(radii.size() + 1);
        const TGLVector none = GLVECTOR(0, 0, 0), halfTurn = GLVECTOR(0, 180, 0);
        float y = -1;
        for (std::size_t k = 0; k < radii.size(); ++k, y += h)
            NewtonReleaseCollision(world, blocks[k].TRUNCCONE(world, GLVECTOR(0, y + h / 2, 0), none, halfTurn,
                                                              radii[k].second, radii[k].first, h, QUALITY));
        NewtonReleaseCollision(world, blocks.back().CONE(world, GLVECTOR(0, y + h / 2, 0), none, none,
                                                         radii.back().second, h, QUALITY));
        return blocks;
    }

    // The triangles the mesh draws that lie flat at height y.
    static std::size_t trianglesAt(const SolidMesh& mesh, float y) {
        const std::vector<CapturedPrimitive> drawn =
            polygonsOf(captureGeometry(
                [&mesh] {
                    glDisable(GL_CULL_FACE);
                    mesh.draw(MATRIXLOADIDENTITY());
                }, CaptureMode::TexCoords, 3));
        return static_cast<std::size_t>(std::count_if(drawn.begin(), drawn.end(), [y](const CapturedPrimitive& p) {
            return std::all_of(p.vertices.begin(), p.vertices.end(),
                               [y](const CapturedVertex& v) { return std::abs(v.pos.Y - y) < 1e-3f; });
        }));
    }

    static SolidMesh look(const std::vector<PHY_COMPOUNDBLOCKS>& blocks) {
        phy::CompoundLookRecorder recorder;
        recorder.add(blocks[0], PHYCOMPTRUNCCONE);
        recorder.add(blocks[1], PHYCOMPTRUNCCONE);
        recorder.add(blocks[2], PHYCOMPCONE);
        return recorder.mesh();
    }

    static constexpr std::int32_t QUALITY = 12;
    static constexpr std::size_t DISC = 2 * QUALITY;  // a cap's triangles, wound both ways
};

TEST_F(CompoundLook, LeavesOutTheCapsBetweenRingsOfOneSizeAndKeepsTheOthers) {
    // Two rings meeting at y = 0 with the same radius, and the cone on the upper one at y = 1.
    const SolidMesh stacked = look(crown({{0.8f, 0.6f}, {0.6f, 0.4f}}, 1));
    EXPECT_EQ(trianglesAt(stacked, -1), DISC) << "the bottom cap shows from below";
    EXPECT_EQ(trianglesAt(stacked, 0), 0U);
    EXPECT_EQ(trianglesAt(stacked, 1), 0U);

    // A narrower ring on a wider one: the wider ring's top shows round it, so both caps stay.
    const SolidMesh stepped = look(crown({{0.8f, 0.7f}, {0.5f, 0.4f}}, 1));
    EXPECT_EQ(trianglesAt(stepped, 0), 2 * DISC);
    EXPECT_EQ(trianglesAt(stepped, 1), 0U);
}

}  // namespace
