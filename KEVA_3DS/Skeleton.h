#pragma once
// Skeletons: flat lists of bones with parent links, a rest pose and key values
// per frame, read from BVH motion files or from the bone section of a MilkShape
// text file. A skeleton belongs to a model (or stands alone); its bones belong to it.
#include "KEVA_3DS/BoneMatrix.h"
#include "KEVA_3DS/ModelTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TGLAll3dsMesh;
class TGLSkeleton;

// Channel types of a bone: one rotation order, optionally with the translation bit.
constexpr std::int32_t CHANNELTYPENONE = 0;
constexpr std::int32_t CHANNELTYPESCALEROTATETRANSLATE = 1;
constexpr std::int32_t CHANNELTYPETRANSLATE = 2;
constexpr std::int32_t CHANNELTYPERXYZ = 4;
constexpr std::int32_t CHANNELTYPERZXY = 8;
constexpr std::int32_t CHANNELTYPERYZX = 16;
constexpr std::int32_t CHANNELTYPERZYX = 32;
constexpr std::int32_t CHANNELTYPERXZY = 64;
constexpr std::int32_t CHANNELTYPERYXZ = 128;
constexpr std::int32_t CHANNELTYPESCALE = 256;
constexpr std::int32_t CHANNELTYPETRANSLATEXYZ = 512;
constexpr std::int32_t CHANNELTYPEINTERLEAVED = 1024;

// The axes (0 = x, 1 = y, 2 = z) of a channel type's rotation order, first
// listed first; false when the type names no rotation order.
bool ROTATIONORDER(std::int32_t channelType, int axes[3]);

struct TKeyFrame {
    std::int32_t TIME = 0;  // 1-based frame number
    T3dpoint VALUE;         // translation as read, or rotation in radians
    T3dpoint BVH_VALUE;     // as read from the file; rotations in degrees
};

class TGL3dsBone {
public:
    explicit TGL3dsBone(TGLSkeleton* owner) : OWNER(owner) {}

    // The rest pose: the parent (an earlier bone of that name, letter case
    // ignored) and the absolute matrix, parent's matrix x (rotation, translation).
    void INIT();
    // The matrix relative to the parent: rotation FROTATE, translation FTRANSLATE.
    clsMatrix RESTLOCAL() const;

    TGLSkeleton* OWNER;
    std::string FNAME;
    std::string FPARENTNAME;
    TGL3dsBone* FPARENT = nullptr;
    T3dpoint FTRANSLATE;
    T3dpoint FROTATE;
    std::int32_t FBVHCHANNELTYPE = CHANNELTYPENONE;
    clsMatrix FMATRIX;
    std::int32_t FNUMTRANSLATEFRAMES = 0, FNUMROTATEFRAMES = 0;
    std::vector<TKeyFrame> FTRANSLATEFRAME, FROTATEFRAME;
};

class TGLSkeleton {
public:
    explicit TGLSkeleton(TGLAll3dsMesh* owner) : OWNER(owner) {}
    TGLSkeleton(const TGLSkeleton&) = delete;
    TGLSkeleton& operator=(const TGLSkeleton&) = delete;

    // Reads a ".bvh" or a MilkShape ".txt" file by its ending; others load nothing.
    void LOADFROMFILE(const std::string& name);
    void LOADBVHFROMFILE(const std::string& name);
    void LOADMSAFROMFILE(const std::string& name);
    // A BVH file's hierarchy and motion; the model that owns the skeleton becomes a BVH model.
    void LOADBVHFROMSTREAM(std::string_view text);
    // The frames and bones of a MilkShape text file.
    void LOADMSAFROMSTREAM(std::string_view text);
    // The first bone of that name, letter case ignored; nullptr when there is none.
    TGL3dsBone* GETBONEBYNAME(std::string_view name) const;
    TGL3dsBone* GETBONE(std::int32_t index) const { return FBONE[static_cast<std::size_t>(index)].get(); }
    // A new last bone.
    TGL3dsBone& ADDBONE(const std::string& name);

    // The absolute matrix of every bone at a frame: frame 0 is the rest pose;
    // frame f >= 1 takes frame f's keys (a missing key counts as zero): the
    // translation FTRANSLATE plus the key's with the translation bit, then the
    // rotations in channel order, the first listed leftmost (bones without a
    // rotation order keep their rest rotation); parents come before children.
    std::vector<clsMatrix> POSE(std::int32_t frame) const;

    TGLAll3dsMesh* OWNER;
    std::string FNAME;
    std::vector<std::unique_ptr<TGL3dsBone>> FBONE;
    std::int32_t FNUMBONES = 0;
    std::int32_t FNUMFRAMES = 0;
    std::int32_t FCURRENTFRAME = 0;
};
