// Bones' rest pose and poses at a frame, bone look-up, and choosing a
// skeleton reader by file ending.
#include "KEVA_3DS/Skeleton.h"

#include "KEVA_3DS/TextLines.h"

bool ROTATIONORDER(std::int32_t channelType, int axes[3]) {
    struct Order {
        std::int32_t type;
        int axes[3];
    };
    static constexpr Order ORDERS[] = {
        {CHANNELTYPERXYZ, {0, 1, 2}}, {CHANNELTYPERZXY, {2, 0, 1}}, {CHANNELTYPERYZX, {1, 2, 0}},
        {CHANNELTYPERZYX, {2, 1, 0}}, {CHANNELTYPERXZY, {0, 2, 1}}, {CHANNELTYPERYXZ, {1, 0, 2}},
    };
    for (const Order& order : ORDERS)
        if (channelType & order.type) {
            for (int i = 0; i < 3; ++i) axes[i] = order.axes[i];
            return true;
        }
    return false;
}

clsMatrix TGL3dsBone::RESTLOCAL() const {
    clsMatrix local;
    local.SETROTATIONRADIANS(&FROTATE.X);
    local.SETTRANSLATION(&FTRANSLATE.X);
    return local;
}

void TGL3dsBone::INIT() {
    // Only bones listed before this one can be its parent: a later one has no
    // rest pose yet, and links that way could close a loop.
    FPARENT = nullptr;
    if (!FPARENTNAME.empty())
        if (TGL3dsBone* parent = OWNER->GETBONEBYNAME(FPARENTNAME)) {
            for (const auto& bone : OWNER->FBONE) {
                if (bone.get() == this) break;
                if (bone.get() == parent) FPARENT = parent;
            }
        }
    FMATRIX = RESTLOCAL();
    if (FPARENT) {
        clsMatrix absolute = FPARENT->FMATRIX;
        absolute.POSTMULTIPLY(FMATRIX);
        FMATRIX = absolute;
    }
}

TGL3dsBone* TGLSkeleton::GETBONEBYNAME(std::string_view name) const {
    const std::string wanted = lowerCase(name);
    for (const auto& bone : FBONE)
        if (lowerCase(bone->FNAME) == wanted) return bone.get();
    return nullptr;
}

TGL3dsBone& TGLSkeleton::ADDBONE(const std::string& name) {
    FBONE.push_back(std::make_unique<TGL3dsBone>(this));
    FNUMBONES = static_cast<std::int32_t>(FBONE.size());
    FBONE.back()->FNAME = name;
    return *FBONE.back();
}

void TGLSkeleton::LOADFROMFILE(const std::string& name) {
    FNAME = name;
    if (name.size() < 4) return;
    const std::string ending = lowerCase(std::string_view(name).substr(name.size() - 4));
    if (ending == ".bvh") LOADBVHFROMFILE(name);
    else if (ending == ".txt") LOADMSAFROMFILE(name);
}

void TGLSkeleton::LOADBVHFROMFILE(const std::string& name) {
    std::string text;
    if (readFileText(name, text)) LOADBVHFROMSTREAM(text);
}

void TGLSkeleton::LOADMSAFROMFILE(const std::string& name) {
    std::string text;
    if (readFileText(name, text)) LOADMSAFROMSTREAM(text);
}

namespace {

// Key f - 1 of a list when it is there, else zero.
T3dpoint keyValue(const std::vector<TKeyFrame>& keys, std::int32_t frame) {
    return frame >= 1 && static_cast<std::size_t>(frame) <= keys.size() ? keys[static_cast<std::size_t>(frame - 1)].VALUE
                                                                        : T3dpoint{};
}

clsMatrix localAtFrame(const TGL3dsBone& bone, std::int32_t frame) {
    int axes[3];
    clsMatrix local = bone.RESTLOCAL();
    if (ROTATIONORDER(bone.FBVHCHANNELTYPE, axes)) {
        const T3dpoint turn = keyValue(bone.FROTATEFRAME, frame);
        const float* angles = &turn.X;
        local.LOADIDENTITY();
        for (const int axis : axes) local.POSTMULTIPLY(AXISROTATION(axis, angles[axis]));
    }
    T3dpoint at = bone.FTRANSLATE;
    if (bone.FBVHCHANNELTYPE & CHANNELTYPETRANSLATE) {
        const T3dpoint move = keyValue(bone.FTRANSLATEFRAME, frame);
        at = {at.X + move.X, at.Y + move.Y, at.Z + move.Z};
    }
    local.SETTRANSLATION(&at.X);
    return local;
}

}  // namespace

std::vector<clsMatrix> TGLSkeleton::POSE(std::int32_t frame) const {
    std::vector<clsMatrix> pose;
    pose.reserve(FBONE.size());
    for (std::size_t b = 0; b < FBONE.size(); ++b) {
        const TGL3dsBone& bone = *FBONE[b];
        if (frame <= 0) {
            pose.push_back(bone.FMATRIX);
            continue;
        }
        clsMatrix global;
        for (std::size_t p = 0; p < b; ++p)
            if (FBONE[p].get() == bone.FPARENT) global = pose[p];
        global.POSTMULTIPLY(localAtFrame(bone, frame));
        pose.push_back(global);
    }
    return pose;
}
