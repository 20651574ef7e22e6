#pragma once
// The look of a compound body: its blocks recorded into one mesh in compound
// space, less the flat faces where two blocks meet face to face.
#include "KEVA_Physics/PhyCompoundBlocks.h"
#include "kestrova/SolidMesh.h"

#include <array>
#include <vector>

namespace phy {

// Gathers blocks as PHY_COMPOUNDBLOCKS::RECORD would record them one after
// another. A flat face of one block that has the same corners as a flat face
// of another block lying on its other side (the caps between the stacked
// rings of a tree's crown) is inside the body and never seen: both faces are
// left out, which spares the renderer two discs that the depth test throws
// away behind the body's sides.
class CompoundLookRecorder {
public:
    void add(const PHY_COMPOUNDBLOCKS& block, PHY_COMPOUNDBLOCKSTYPE kind);
    SolidMesh mesh() const;

    // One call the block's solid made to its sink.
    struct SinkCall {
        enum class Kind : unsigned char { BEGIN, NORMAL, TEXCOORD, VERTEX, END, CULLING_OFF, CULLING_ON } kind;
        GLenum mode;
        double x, y, z;
    };
    struct RecordedBlock {
        TGLBaseMatrix frame;
        std::vector<SinkCall> calls;
        // Per primitive (BEGIN to END) its corners in compound space.
        std::vector<std::vector<std::array<float, 3>>> corners;
    };

private:
    std::vector<RecordedBlock> blocks_;
};

}  // namespace phy
