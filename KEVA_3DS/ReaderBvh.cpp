// The BVH motion reader: the hierarchy of joints with their offsets and
// channels, then one line of channel values per frame. Nothing in the file is
// trusted: counts are clamped to what follows, values that are missing read as 0.
#include "KEVA_3DS/Model3ds.h"
#include "KEVA_3DS/Skeleton.h"
#include "KEVA_3DS/TextLines.h"

#include <algorithm>
#include <numbers>
#include <utility>

namespace {

// Frame keys kept at most over all bones, so that a short hostile file cannot
// ask for gigabytes (a long capture of a full body needs a few hundred thousand).
constexpr std::int64_t MAX_KEYS = 4'000'000;

bool contains(std::string_view text, std::string_view word) { return text.find(word) != std::string_view::npos; }

// The text after a keyword and the character that follows it.
std::string_view after(std::string_view line, std::string_view lower, std::string_view keyword) {
    const std::size_t at = lower.find(keyword) + keyword.size() + 1;
    return at < line.size() ? line.substr(at) : std::string_view();
}

std::int32_t channelType(const std::vector<std::string_view>& fields) {
    struct Order {
        const char* names[3];
        std::int32_t type;
    };
    static constexpr Order ORDERS[] = {
        {{"xrotation", "yrotation", "zrotation"}, CHANNELTYPERXYZ},
        {{"zrotation", "xrotation", "yrotation"}, CHANNELTYPERZXY},
        {{"yrotation", "zrotation", "xrotation"}, CHANNELTYPERYZX},
        {{"zrotation", "yrotation", "xrotation"}, CHANNELTYPERZYX},
        {{"xrotation", "zrotation", "yrotation"}, CHANNELTYPERXZY},
        {{"yrotation", "xrotation", "zrotation"}, CHANNELTYPERYXZ},
    };
    const bool translated = fieldAt(fields, 1) == "xposition";
    const std::size_t first = translated ? 4 : 1;
    for (const Order& order : ORDERS)
        if (fieldAt(fields, first) == order.names[0] && fieldAt(fields, first + 1) == order.names[1] &&
            fieldAt(fields, first + 2) == order.names[2])
            return order.type | (translated ? CHANNELTYPETRANSLATE : 0);
    return -1;
}

class BvhReader {
public:
    explicit BvhReader(TGLSkeleton& skeleton) : skeleton_(skeleton) {}

    void read(std::string_view text) {
        const std::vector<std::string_view> lines = splitLines(text);
        for (std::size_t l = 0; l < lines.size(); ++l) {
            if (trimmed(lines[l]).empty()) continue;
            line(lines[l], lines.size() - l - 1);
        }
        skeleton_.FCURRENTFRAME = 0;
        for (const auto& bone : skeleton_.FBONE) bone->INIT();
    }

private:
    static constexpr std::int32_t END_SITE = -1;

    // One non-empty line; `following` lines come after it.
    void line(std::string_view text, std::size_t following) {
        const std::string lower = lowerCase(text);
        if (contains(lower, "{")) {
            open_.push_back(pending_);
            pending_ = END_SITE;
        }
        if (contains(lower, "}") && !open_.empty()) open_.pop_back();
        if (contains(lower, "end site")) {
            endSite_ = true;
            pending_ = END_SITE;
        }
        if (contains(lower, "root")) addBone(trimmed(after(text, lower, "root")), "");
        if (contains(lower, "joint")) addBone(trimmed(after(text, lower, "joint")), enclosingBone());
        if (contains(lower, "offset")) offset(splitFields(after(text, lower, "offset")));
        if (contains(lower, "channels")) channels(splitFields(after(lower, lower, "channels")));
        if (contains(lower, "frames")) frames(text, following);
        static constexpr const char* NOT_FRAME[] = {"end site", "{",      "}",          "root",   "joint",   "offset",
                                                    "hierarchy", "motion", "frame time", "frames", "channels"};
        if (std::none_of(std::begin(NOT_FRAME), std::end(NOT_FRAME), [&](const char* w) { return contains(lower, w); }))
            frameLine(splitFields(text));
    }

    // The name of the innermost open joint block, or empty.
    std::string enclosingBone() const {
        for (auto block = open_.rbegin(); block != open_.rend(); ++block)
            if (*block != END_SITE) return skeleton_.GETBONE(*block)->FNAME;
        return "";
    }

    void addBone(std::string_view name, const std::string& parent) {
        TGL3dsBone& bone = skeleton_.ADDBONE(std::string(name));
        bone.FPARENTNAME = parent;
        pending_ = skeleton_.FNUMBONES - 1;
    }

    TGL3dsBone* lastBone() const { return skeleton_.FBONE.empty() ? nullptr : skeleton_.FBONE.back().get(); }

    void offset(const std::vector<std::string_view>& fields) {
        if (std::exchange(endSite_, false) || !lastBone() || fields.size() < 3) return;
        lastBone()->FTRANSLATE = {decimalNumber(fields[0]), decimalNumber(fields[1]), decimalNumber(fields[2])};
        lastBone()->FROTATE = {};
    }

    void channels(const std::vector<std::string_view>& fields) {
        if (std::exchange(endSite_, false) || !lastBone()) return;
        if (const std::int32_t type = channelType(fields); type >= 0) lastBone()->FBVHCHANNELTYPE = type;
    }

    void frames(std::string_view text, std::size_t following) {
        const std::size_t colon = text.find(':');
        const std::int64_t declared = colon == std::string_view::npos ? 0 : wholeNumber(text.substr(colon + 1));
        const std::int64_t keysPerFrame = std::max<std::int64_t>(1, skeleton_.FNUMBONES);
        skeleton_.FNUMFRAMES = static_cast<std::int32_t>(
            std::clamp<std::int64_t>(declared, 0, std::min<std::int64_t>(following, MAX_KEYS / keysPerFrame)));
        skeleton_.FCURRENTFRAME = 0;
    }

    void frameLine(const std::vector<std::string_view>& fields) {
        const std::int32_t frame = ++skeleton_.FCURRENTFRAME;
        if (skeleton_.FBONE.empty() || frame > skeleton_.FNUMFRAMES) return;
        if (skeleton_.FNUMBONES * static_cast<std::int64_t>(skeleton_.FNUMFRAMES) > MAX_KEYS) return;
        std::size_t column = 0;
        const auto next = [&] { return decimalNumber(fieldAt(fields, column++)); };
        for (const auto& bone : skeleton_.FBONE) {
            bone->FNUMTRANSLATEFRAMES = bone->FNUMROTATEFRAMES = skeleton_.FNUMFRAMES;
            bone->FTRANSLATEFRAME.resize(static_cast<std::size_t>(skeleton_.FNUMFRAMES));
            bone->FROTATEFRAME.resize(static_cast<std::size_t>(skeleton_.FNUMFRAMES));
            TKeyFrame& move = bone->FTRANSLATEFRAME[static_cast<std::size_t>(frame - 1)];
            TKeyFrame& turn = bone->FROTATEFRAME[static_cast<std::size_t>(frame - 1)];
            move.TIME = turn.TIME = frame;
            int axes[3];
            if (ROTATIONORDER(bone->FBVHCHANNELTYPE, axes)) {
                if (bone->FBVHCHANNELTYPE & CHANNELTYPETRANSLATE) move.BVH_VALUE = {next(), next(), next()};
                float* degrees = &turn.BVH_VALUE.X;
                for (const int axis : axes) degrees[axis] = next();
            }
            move.VALUE = move.BVH_VALUE;
            constexpr float RADIANS = std::numbers::pi_v<float> / 180.0f;
            turn.VALUE = {turn.BVH_VALUE.X * RADIANS, turn.BVH_VALUE.Y * RADIANS, turn.BVH_VALUE.Z * RADIANS};
        }
    }

    TGLSkeleton& skeleton_;
    std::vector<std::int32_t> open_;     // the blocks open: a bone's number or END_SITE
    std::int32_t pending_ = END_SITE;   // what the next "{" opens
    bool endSite_ = false;
};

}  // namespace

void TGLSkeleton::LOADBVHFROMSTREAM(std::string_view text) {
    if (OWNER) OWNER->FTYPE = MESH3DSBVH;
    FBONE.clear();
    FNUMBONES = 0;
    BvhReader(*this).read(text);
}
