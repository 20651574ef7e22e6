// Recording a compound's blocks into one mesh without the faces where two
// blocks touch.
#include "KEVA_Physics/PhyCompoundLook.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace phy {

namespace {

using LookCorner = std::array<float, 3>;
using LookCall = CompoundLookRecorder::SinkCall;

// Keeps every call of one block's solid, and where each primitive's corners
// land in compound space.
class BlockCallSink final : public SolidSink {
public:
    explicit BlockCallSink(CompoundLookRecorder::RecordedBlock& block) : block_(block) {}

    void begin(GLenum mode) override {
        block_.corners.emplace_back();
        block_.calls.push_back({LookCall::Kind::BEGIN, mode, 0, 0, 0});
    }
    void normal(double x, double y, double z) override { block_.calls.push_back({LookCall::Kind::NORMAL, 0, x, y, z}); }
    void texCoord(double s, double t) override { block_.calls.push_back({LookCall::Kind::TEXCOORD, 0, s, t, 0}); }
    void vertex(double x, double y, double z) override {
        block_.calls.push_back({LookCall::Kind::VERTEX, 0, x, y, z});
        const float *m = block_.frame.data(), px = static_cast<float>(x), py = static_cast<float>(y),
                    pz = static_cast<float>(z);
        block_.corners.back().push_back({m[0] * px + m[4] * py + m[8] * pz + m[12],
                                                    m[1] * px + m[5] * py + m[9] * pz + m[13],
                                                    m[2] * px + m[6] * py + m[10] * pz + m[14]});
    }
    void end() override { block_.calls.push_back({LookCall::Kind::END, 0, 0, 0, 0}); }
    void cullingOff() override { block_.calls.push_back({LookCall::Kind::CULLING_OFF, 0, 0, 0, 0}); }
    void cullingOn() override { block_.calls.push_back({LookCall::Kind::CULLING_ON, 0, 0, 0, 0}); }

private:
    CompoundLookRecorder::RecordedBlock& block_;
};

LookCorner lookMinus(const LookCorner& a, const LookCorner& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
float lookDot(const LookCorner& a, const LookCorner& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
LookCorner lookCross(const LookCorner& a, const LookCorner& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

LookCorner meanCorner(const std::vector<LookCorner>& points) {
    LookCorner sum{};
    for (const LookCorner& p : points)
        for (int k = 0; k < 3; ++k) sum[k] += p[k];
    const auto n = static_cast<float>(std::max<std::size_t>(points.size(), 1));
    return {sum[0] / n, sum[1] / n, sum[2] / n};
}

// A flat face: its corners, the box round them and its plane (unit normal, offset).
struct LookFlatFace {
    std::size_t block, primitive;
    const std::vector<LookCorner>* corners;
    LookCorner low, high;
    LookCorner normal;
    float offset;
};

// The plane through all the corners, when they lie on one (within `tolerance`)
// and span more than a line.
std::optional<LookFlatFace> lookFlatFace(std::size_t block, std::size_t primitive, const std::vector<LookCorner>& corners,
                                 float tolerance) {
    if (corners.size() < 3) return std::nullopt;
    const LookCorner middle = meanCorner(corners);
    const auto farthest = std::max_element(corners.begin(), corners.end(), [&](const LookCorner& a, const LookCorner& b) {
        return lookDot(lookMinus(a, middle), lookMinus(a, middle)) < lookDot(lookMinus(b, middle), lookMinus(b, middle));
    });
    const LookCorner spoke = lookMinus(*farthest, middle);
    LookCorner normal{};
    float widest = 0;
    for (const LookCorner& p : corners) {
        const LookCorner n = lookCross(spoke, lookMinus(p, middle));
        const float size = lookDot(n, n);
        if (size > widest) widest = size, normal = n;
    }
    if (!(widest > tolerance * tolerance * lookDot(spoke, spoke))) return std::nullopt;
    const float length = std::sqrt(widest);
    for (float& x : normal) x /= length;
    const float offset = lookDot(normal, middle);
    for (const LookCorner& p : corners)
        if (std::abs(lookDot(normal, p) - offset) > tolerance) return std::nullopt;
    LookFlatFace face{block, primitive, &corners, corners[0], corners[0], normal, offset};
    for (const LookCorner& p : corners)
        for (int k = 0; k < 3; ++k) face.low[k] = std::min(face.low[k], p[k]), face.high[k] = std::max(face.high[k], p[k]);
    return face;
}

bool lookSameBox(const LookFlatFace& a, const LookFlatFace& b, float tolerance) {
    for (int k = 0; k < 3; ++k)
        if (std::abs(a.low[k] - b.low[k]) > tolerance || std::abs(a.high[k] - b.high[k]) > tolerance) return false;
    return true;
}

// Every corner of one face lies on a corner of the other (within `tolerance`).
bool lookCornersCovered(const std::vector<LookCorner>& of, const std::vector<LookCorner>& by, float tolerance) {
    return std::all_of(of.begin(), of.end(), [&](const LookCorner& p) {
        return std::any_of(by.begin(), by.end(), [&](const LookCorner& q) {
            return std::abs(p[0] - q[0]) <= tolerance && std::abs(p[1] - q[1]) <= tolerance &&
                   std::abs(p[2] - q[2]) <= tolerance;
        });
    });
}

}  // namespace

void CompoundLookRecorder::add(const PHY_COMPOUNDBLOCKS& block, PHY_COMPOUNDBLOCKSTYPE kind) {
    if (!block.DELLIST) return;
    RecordedBlock& recorded = blocks_.emplace_back();
    recorded.frame = block.FRAME(kind);
    BlockCallSink sink(recorded);
    block.SOLID(sink, kind);
}

SolidMesh CompoundLookRecorder::mesh() const {
    // Rounding allowance: a millionth of the body's size.
    float size = 0;
    for (const RecordedBlock& block : blocks_)
        for (const std::vector<LookCorner>& corners : block.corners)
            for (const LookCorner& p : corners)
                for (float x : p) size = std::max(size, std::abs(x));
    const float tolerance = 1e-5f * std::max(size, 1.0f);

    std::vector<LookCorner> insides;  // a point inside each block: the mean of its corners
    std::vector<LookFlatFace> faces;
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        std::vector<LookCorner> all;
        for (std::size_t p = 0; p < blocks_[b].corners.size(); ++p) {
            const std::vector<LookCorner>& corners = blocks_[b].corners[p];
            all.insert(all.end(), corners.begin(), corners.end());
            if (const std::optional<LookFlatFace> face = lookFlatFace(b, p, corners, tolerance)) faces.push_back(*face);
        }
        insides.push_back(meanCorner(all));
    }

    std::vector<std::vector<bool>> dropped;
    for (const RecordedBlock& block : blocks_) dropped.emplace_back(block.corners.size(), false);
    const auto side = [&](const LookFlatFace& face, std::size_t block) {
        return lookDot(face.normal, insides[block]) - face.offset;
    };
    for (std::size_t i = 0; i < faces.size(); ++i)
        for (std::size_t j = i + 1; j < faces.size(); ++j) {
            const LookFlatFace &a = faces[i], &b = faces[j];
            if (a.block == b.block || !lookSameBox(a, b, tolerance)) continue;
            const float sideA = side(a, a.block), sideB = side(a, b.block);
            if (!(sideA * sideB < 0 && std::abs(sideA) > tolerance && std::abs(sideB) > tolerance)) continue;
            if (!lookCornersCovered(*a.corners, *b.corners, tolerance) || !lookCornersCovered(*b.corners, *a.corners, tolerance))
                continue;
            dropped[a.block][a.primitive] = dropped[b.block][b.primitive] = true;
        }

    // The calls again; a dropped primitive still sets the normal and texture
    // coordinates that later vertices may take over.
    SolidMesh mesh;
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        const RecordedBlock& block = blocks_[b];
        mesh.setFrame(block.frame);
        std::size_t primitive = 0;
        bool skipping = false;
        for (std::size_t c = 0; c < block.calls.size(); ++c) {
            const SinkCall& call = block.calls[c];
            switch (call.kind) {
                case SinkCall::Kind::BEGIN:
                    skipping = dropped[b][primitive++];
                    if (!skipping) mesh.begin(call.mode);
                    break;
                case SinkCall::Kind::NORMAL: mesh.normal(call.x, call.y, call.z); break;
                case SinkCall::Kind::TEXCOORD: mesh.texCoord(call.x, call.y); break;
                case SinkCall::Kind::VERTEX:
                    if (!skipping) mesh.vertex(call.x, call.y, call.z);
                    break;
                case SinkCall::Kind::END:
                    if (!skipping) mesh.end();
                    skipping = false;
                    break;
                case SinkCall::Kind::CULLING_OFF: mesh.cullingOff(); break;
                case SinkCall::Kind::CULLING_ON: mesh.cullingOn(); break;
            }
        }
    }
    return mesh;
}

}  // namespace phy
