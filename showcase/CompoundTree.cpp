// The trees: a trunk of three rings, three branches and crowns of stacked
// rings; lengths in quarters of SIZE.
#include "showcase/CompoundObjects.h"
#include "showcase/CompoundParts.h"
#include "showcase/SceneFramework.h"

#include "KEVA_Physics/PhyBodySetup.h"

#include <array>

namespace {

// One ring of a crown at height y above the tree's base, or its top cone
// (radius rIn, no rOut).
struct Layer {
    float y, rIn, rOut, h;
};
// Five rings from the bottom up, then the cone.
using Crown = std::array<Layer, 6>;

constexpr Crown LOWCROWN = {{{23.55f, 21, 16.5f, 4.5f},
                             {28.05f, 22.5f, 21, 4.5f},
                             {32.55f, 22.5f, 22.5f, 4.5f},
                             {37.05f, 19.5f, 22.5f, 4.5f},
                             {40.8f, 12, 19.5f, 3},
                             {43.05f, 12, 0, 1.5f}}};
constexpr Crown TALLCROWN = {{{28.4f, 21, 16.5f, 12},
                              {40.4f, 22.5f, 21, 12},
                              {52.4f, 22.5f, 22.5f, 12},
                              {64.4f, 19.5f, 22.5f, 12},
                              {74.4f, 12, 19.5f, 8},
                              {80.4f, 12, 0, 4}}};
// The small crowns of the third tree: three round its trunk, one on top.
constexpr Crown SIDECROWN = {{{24.03f, 9.8f, 7.7f, 2.7f},
                              {26.73f, 10.5f, 9.8f, 2.7f},
                              {29.43f, 10.5f, 10.5f, 2.7f},
                              {32.13f, 9.1f, 10.5f, 2.7f},
                              {34.38f, 5.6f, 9.1f, 1.8f},
                              {35.73f, 5.6f, 0, 0.9f}}};
constexpr Crown TOPCROWN = {{{30.33f, 9.8f, 7.7f, 2.7f},
                             {33.03f, 10.5f, 9.8f, 2.7f},
                             {35.73f, 10.5f, 10.5f, 2.7f},
                             {38.43f, 9.1f, 10.5f, 2.7f},
                             {40.68f, 5.6f, 9.1f, 1.8f},
                             {42.03f, 5.6f, 0, 0.9f}}};

constexpr std::size_t WOODSLOTS = 6;  // ring slots 0 to 5 are the trunk and branches

const TGLVector ORIGIN = GLVECTOR(0, 0, 0);

TGLVector turnedY(float degrees) { return GLVECTOR(0, degrees, 0); }

// The trunk's three rings and three branches leaning out and up, from the tree's base height.
void addTrunk(CompoundPartsBuilder& parts, float base) {
    parts.TRUNCCONE(0, GLVECTOR(0, base + 1, 0), ORIGIN, ORIGIN, 2.5f, 3, 2);
    parts.TRUNCCONE(1, GLVECTOR(0, base + 4, 0), ORIGIN, ORIGIN, 2, 2.5f, 6);
    parts.TRUNCCONE(2, GLVECTOR(0, base + 12, 0), ORIGIN, ORIGIN, 1.5f, 2, 10);
    for (std::size_t k = 0; k < 3; ++k)
        parts.TRUNCCONE(3 + k, GLVECTOR(0, base + 23, 0), GLVECTOR(0, 3, -5),
                        GLVECTOR(-60, 120 * static_cast<float>(k), 0), 0.8f, 1.5f, 11);
}

// A crown in ring slots firstRing to firstRing + 4 and cone slot `coneSlot`,
// moved to `pos` and turned by `rot`; its cone is turned by `coneRot`.
void addCrown(CompoundPartsBuilder& parts, float base, const Crown& crown, std::size_t firstRing, std::size_t coneSlot,
              const TGLVector& pos, const TGLVector& rot, const TGLVector& coneRot) {
    for (std::size_t k = 0; k < 5; ++k)
        parts.TRUNCCONE(firstRing + k, GLVECTOR(0, base + crown[k].y, 0), pos, rot, crown[k].rIn, crown[k].rOut,
                        crown[k].h);
    const Layer& top = crown[5];
    parts.CONE(coneSlot, GLVECTOR(0, base + top.y, 0), pos, coneRot, top.rIn, top.h);
}

// The wood's parts and the crowns' parts, each recorded into a mesh of its own.
void recordLooks(PHY_CompoundTree& tree) {
    const std::size_t crowns = (tree.TREEPARTS.size() - WOODSLOTS) / 6;  // every crown is five rings and a cone
    tree.LOOKS = {RECORDBLOCKS(tree.TREEBLOCKS, {{PHYCOMPTRUNCCONE, 0, WOODSLOTS - 1}}),
                  RECORDBLOCKS(tree.TREEBLOCKS,
                               {{PHYCOMPTRUNCCONE, WOODSLOTS, WOODSLOTS + 5 * crowns - 1}, {PHYCOMPCONE, 0, crowns - 1}})};
    tree.DELLIST = true;
}

// A trunk with one crown on top, its body `lift` above POS.
void buildSimpleTree(PHY_CompoundTree& tree, NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float size,
                     std::int32_t quality, float mass, float base, const Crown& crown, float lift) {
    CompoundPartsBuilder parts(world, tree.TREEPARTS, tree.TREEBLOCKS, size / 4, quality);
    addTrunk(parts, base);
    addCrown(parts, base, crown, WOODSLOTS, 0, ORIGIN, turnedY(180), ORIGIN);
    parts.FINISH(tree.TREE, GLVECTOR(pos.X, pos.Y + lift * size / 4, pos.Z), rot, mass);
    recordLooks(tree);
}

}  // namespace

void PHY_CompoundTree::SETTREE1(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float size,
                                std::int32_t quality, float mass) {
    buildSimpleTree(*this, world, pos, rot, size, quality, mass, -12, LOWCROWN, 14);
}

void PHY_CompoundTree::SETTREE2(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float size,
                                std::int32_t quality, float mass) {
    buildSimpleTree(*this, world, pos, rot, size, quality, mass, -20, TALLCROWN, 22);
}

void PHY_CompoundTree::SETTREE3(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float size,
                                std::int32_t quality, float mass) {
    constexpr float base = -12;
    CompoundPartsBuilder parts(world, TREEPARTS, TREEBLOCKS, size / 4, quality);
    addTrunk(parts, base);
    for (std::size_t k = 0; k < 3; ++k) {
        const TGLVector turn = turnedY(120 * static_cast<float>(k));
        addCrown(parts, base, SIDECROWN, WOODSLOTS + 5 * k, k, GLVECTOR(0, 0, -10), turn, turn);
    }
    addCrown(parts, base, TOPCROWN, WOODSLOTS + 15, 3, ORIGIN, turnedY(180), ORIGIN);
    parts.FINISH(TREE, GLVECTOR(pos.X, pos.Y + 14 * size / 4, pos.Z), rot, mass);
    recordLooks(*this);
}

void PHY_CompoundTree::DRAW() const {
    if (!DELLIST) return;
    SCENEMATERIALMATT(203, 148, 86);
    phy::drawInPlace(LOOKS[0], TREE.NEWBODY);
    SCENEMATERIALMATT(151, 210, 91);
    phy::drawInPlace(LOOKS[1], TREE.NEWBODY);
    SCENEMATERIAL(255, 255, 255);
}

void PHY_CompoundTree::DELETE() { HIDECOMPOUND(DELLIST, TREEPARTS, TREEBLOCKS, LOOKS); }
